// End to end: every template compiled with brisola-compile, its preview page
// loaded from disk into the browser engine, and its popup visible in time (for
// link, exit and tooltip popups after the matching event).

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>
#include <QTemporaryDir>

#include "TBrowserPage.h"

namespace {

struct TTemplateCase {
    const char* sTemplate;
    const char* sUid;
    int iHiddenUntilMs;  // the popup is still hidden this long after load (0: not checked)
    int iVisibleByMs;    // and visible by then, after the event
    const char* sEvent;  // script that acts as the visitor, or empty
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

QString Visibility(TBrowserPage& page, const QString& sUid) {
    return page.Run(QStringLiteral("(function(){var e=document.getElementById('") + sUid +
                    QStringLiteral("_zepB');return e?getComputedStyle(e).visibility:'missing';})()"))
        .toString();
}

TEST_P(CompiledTemplate, PreviewPageShowsThePopup) {
    const TTemplateCase& c = GetParam();
    QTemporaryDir dir;
    const QString sProject = dir.path() + QStringLiteral("/site.zrj");
    QProcess compile;
    compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM),
                  {QStringLiteral("--save-as"), sProject,
                   QStringLiteral(BRISOLA_SOURCE_DIR "/templates/") + QLatin1String(c.sTemplate) +
                       QStringLiteral(".zrj")});
    ASSERT_TRUE(compile.waitForFinished(60000));
    ASSERT_EQ(compile.exitCode(), 0) << compile.readAllStandardError().toStdString();

    TBrowserPage page;
    ASSERT_TRUE(page.LoadFile(dir.path() + QStringLiteral("/site_Preview.html")));
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

// The site-wide rule keeps its countdown in cookies, which pages loaded from
// disk do not get: this template's preview page is served over HTTP and
// watched on the real clock.
TEST(CompiledSiteWideTemplate, ShowsOnceTheCountdownHasRunOut) {
    QTemporaryDir dir;
    QProcess compile;
    compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM),
                  {QStringLiteral("--save-as"), dir.path() + QStringLiteral("/site.zrj"),
                   QStringLiteral(BRISOLA_SOURCE_DIR "/templates/SiteWide.zrj")});
    ASSERT_TRUE(compile.waitForFinished(60000));
    ASSERT_EQ(compile.exitCode(), 0);

    QProcess server;
    server.start(QStringLiteral("python3"), {QStringLiteral("-u"), QStringLiteral("-m"), QStringLiteral("http.server"),
                                             QStringLiteral("0"), QStringLiteral("--bind"), QStringLiteral("127.0.0.1"),
                                             QStringLiteral("--directory"), dir.path()});
    if (!server.waitForStarted(10000)) {
        GTEST_SKIP() << "python3 is needed to serve the page";
    }
    QString sBanner;
    while (!sBanner.contains(QStringLiteral("port")) && server.waitForReadyRead(10000)) {
        sBanner += QString::fromUtf8(server.readAllStandardOutput());
    }
    const QRegularExpressionMatch port = QRegularExpression(QStringLiteral("port (\\d+)")).match(sBanner);
    ASSERT_TRUE(port.hasMatch()) << sBanner.toStdString();

    TBrowserPage page(false);
    ASSERT_TRUE(page.Load(QUrl(QStringLiteral("http://127.0.0.1:") + port.captured(1) +
                               QStringLiteral("/site_Preview.html"))));
    EXPECT_EQ(Visibility(page, QStringLiteral("sitewide")), QStringLiteral("hidden"));
    EXPECT_TRUE(page.WaitFor(QStringLiteral("getComputedStyle(document.getElementById('sitewide_zepB')).visibility "
                                            "== 'visible'"),
                             15000));
    server.kill();
    server.waitForFinished();
}

TEST(CompiledModalTemplate, MaskCoversThePageWithTheMaskStyle) {
    QTemporaryDir dir;
    QProcess compile;
    compile.start(QStringLiteral(BRISOLA_COMPILE_PROGRAM),
                  {QStringLiteral("--save-as"), dir.path() + QStringLiteral("/site.zrj"),
                   QStringLiteral(BRISOLA_SOURCE_DIR "/templates/ModalPopup.zrj")});
    ASSERT_TRUE(compile.waitForFinished(60000));
    ASSERT_EQ(compile.exitCode(), 0);
    TBrowserPage page;
    ASSERT_TRUE(page.LoadFile(dir.path() + QStringLiteral("/site_Preview.html")));
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

} // namespace
