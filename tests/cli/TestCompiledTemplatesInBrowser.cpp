// End to end: every template compiled with brisola-compile, its preview page
// loaded into the browser engine, and its popup visible in time (for link,
// exit and tooltip popups after the matching event).

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "TBrowserPage.h"
#include "TPageServer.h"

namespace {

// A template compiled with brisola-compile, saved as site.zrj in a temporary folder.
class TCompiledSite {
public:
    explicit TCompiledSite(const char* sTemplate) {
        QProcess compile;
        compile.start(
            QStringLiteral(BRISOLA_COMPILE_PROGRAM),
            {QStringLiteral("--save-as"), Dir.path() + QStringLiteral("/site.zrj"),
             QStringLiteral(BRISOLA_SOURCE_DIR "/templates/") + QLatin1String(sTemplate) + QStringLiteral(".zrj")});
        bCompiled =
            compile.waitForFinished(60000) && compile.exitStatus() == QProcess::NormalExit && compile.exitCode() == 0;
        sErrors = QString::fromUtf8(compile.readAllStandardError());
    }
    QString PreviewPage() const { return Dir.path() + QStringLiteral("/site_Preview.html"); }

    QTemporaryDir Dir;
    bool bCompiled = false;
    QString sErrors;
};

QString Visibility(TBrowserPage& page, const QString& sUid) {
    return page
        .Run(QStringLiteral("(function(){var e=document.getElementById('") + sUid +
             QStringLiteral("_zepB');return e?getComputedStyle(e).visibility:'missing';})()"))
        .toString();
}

struct TTemplateCase {
    const char* sTemplate;
    const char* sUid;
    int iHiddenUntilMs; // the popup is still hidden this long after the load (0: not checked)
    int iVisibleByMs;   // and visible this long after the event
    const char* sEvent; // script that acts as the visitor, or empty
};

const TTemplateCase aCases[] = {
    {"Default", "welcome", 0, 1500, ""},
    {"SlideIn", "slidein", 1500, 4000, ""},
    {"ModalPopup", "modalpopup", 0, 1500, ""},
    {"DontShowAgain", "dontshowagain", 0, 1500, ""},
    {"ClickPopup", "clickpopup", 3000, 1000, "document.querySelector('a[onclick]').click();"},
    {"ExitIntent", "exitoffer", 3000, 2000,
     "function mv(x, y) { document.dispatchEvent(new MouseEvent('mousemove', {clientX: x, clientY: y, "
     "bubbles: true})); } mv(500, 400); mv(300, 200); mv(400, 5);"},
    {"Tooltip", "tooltip", 3000, 1000,
     "document.getElementById('tt1').dispatchEvent(new MouseEvent('mouseover', {clientX: 200, clientY: 300, "
     "bubbles: true}));"},
};

class CompiledTemplate : public ::testing::TestWithParam<TTemplateCase> {};

TEST_P(CompiledTemplate, PreviewPageShowsThePopup) {
    const TTemplateCase& c = GetParam();
    TCompiledSite site(c.sTemplate);
    ASSERT_TRUE(site.bCompiled) << site.sErrors.toStdString();
    TBrowserPage page;
    ASSERT_TRUE(page.LoadFile(site.PreviewPage()));
    const QString sUid = QLatin1String(c.sUid);
    if (c.iHiddenUntilMs > 0) {
        page.Advance(c.iHiddenUntilMs);
        EXPECT_EQ(Visibility(page, sUid), QStringLiteral("hidden"));
    }
    if (*c.sEvent != 0) {
        page.Run(QLatin1String(c.sEvent));
    }
    page.Advance(c.iVisibleByMs);
    EXPECT_EQ(Visibility(page, sUid), QStringLiteral("visible"));
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join(u'\n').toStdString();
}

std::string CaseName(const ::testing::TestParamInfo<TTemplateCase>& info) {
    return info.param.sTemplate;
}

INSTANTIATE_TEST_SUITE_P(Templates, CompiledTemplate, ::testing::ValuesIn(aCases), CaseName);

TEST(CompiledModalTemplate, MaskCoversThePageWithTheMaskStyle) {
    TCompiledSite site("ModalPopup");
    ASSERT_TRUE(site.bCompiled) << site.sErrors.toStdString();
    TBrowserPage page;
    ASSERT_TRUE(page.LoadFile(site.PreviewPage()));
    page.Advance(1500);
    EXPECT_EQ(Visibility(page, QStringLiteral("zepMask")), QStringLiteral("visible"));
    const QVariantMap mask =
        page.Run(QStringLiteral("(function(){var e=document.getElementById('ZEPMask'),s=getComputedStyle(e),"
                                "r=e.getBoundingClientRect();return {op:parseFloat(s.opacity),bg:s.backgroundColor,"
                                "w:r.width,h:r.height};})()"))
            .toMap();
    EXPECT_NEAR(mask.value(QStringLiteral("op")).toDouble(), 0.4, 0.001);
    EXPECT_EQ(mask.value(QStringLiteral("bg")).toString(), QStringLiteral("rgb(68, 68, 68)"));
    EXPECT_GE(mask.value(QStringLiteral("w")).toInt(), 900);
    EXPECT_GE(mask.value(QStringLiteral("h")).toInt(), 700);
}

// The site-wide countdown lives in cookies, which pages loaded from disk do not
// get: served over HTTP, on the real clock.
TEST(CompiledSiteWideTemplate, ShowsOnceTheCountdownHasRunOut) {
    TCompiledSite site("SiteWide");
    ASSERT_TRUE(site.bCompiled) << site.sErrors.toStdString();
    TPageServer server(site.Dir.path());
    TBrowserPage page(false);
    ASSERT_TRUE(page.Load(server.Url(QStringLiteral("site_Preview.html"))));
    EXPECT_EQ(Visibility(page, QStringLiteral("sitewide")), QStringLiteral("hidden"));
    EXPECT_TRUE(page.WaitFor(
        QStringLiteral("getComputedStyle(document.getElementById('sitewide_zepB')).visibility == 'visible'"), 10000));
}

// Ticking "don't show again" keeps the popup away on the next visit.
TEST(CompiledDontShowAgainTemplate, TickedBoxKeepsThePopupAway) {
    TCompiledSite site("DontShowAgain");
    ASSERT_TRUE(site.bCompiled) << site.sErrors.toStdString();
    TPageServer server(site.Dir.path());
    TBrowserPage page;
    ASSERT_TRUE(page.Load(server.Url(QStringLiteral("site_Preview.html"))));
    page.Advance(1500);
    ASSERT_EQ(Visibility(page, QStringLiteral("dontshowagain")), QStringLiteral("visible"));
    page.Run(QStringLiteral("document.getElementById('cCheck').click();"));
    EXPECT_TRUE(
        page.Run(QStringLiteral("document.cookie")).toString().contains(QStringLiteral("dontshowagain_checked=true")));

    ASSERT_TRUE(page.Load(server.Url(QStringLiteral("site_Preview.html"))));
    page.Advance(3000);
    EXPECT_EQ(Visibility(page, QStringLiteral("dontshowagain")), QStringLiteral("hidden"));
    EXPECT_TRUE(page.Errors().isEmpty()) << page.Errors().join(u'\n').toStdString();
}

} // namespace
