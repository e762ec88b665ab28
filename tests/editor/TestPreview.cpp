#include "TestSupport.h"

#include "TMainActions.h"
#include "TPreviewBrowser.h"
#include "TPreviewPanel.h"
#include "TZEPInstance.h"
#include "TZEPProject.h"
#include "TextFile.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEngineView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

// Asks the page until the condition holds; false when the time is up.
bool WaitForScript(TPreviewBrowser& browser, const QString& sCondition, int iTimeoutMs = 10000) {
    const QDeadlineTimer deadline(iTimeoutMs);
    do {
        QVariant value;
        if (browser.RunScript(sCondition, value, 2000) && value.toBool())
            return true;
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return false;
}

QString RunScript(TPreviewBrowser& browser, const QString& sScript) {
    QVariant value;
    browser.RunScript(sScript, value);
    return value.toString();
}

constexpr int iFollowing = 4; // Node.DOCUMENT_POSITION_FOLLOWING

QString PopupVisible(const QString& sUid) {
    return QStringLiteral("(function(){var e=document.getElementById('%1_zepB');"
                          "return !!e && getComputedStyle(e).visibility=='visible';})()")
        .arg(sUid);
}
const QString sPopupVisible = PopupVisible(QStringLiteral("welcome"));

// The main window started on the installation's own start-up template.
class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override { StartOn(QStringLiteral("Default")); }
    // Starts the main window with the installation's template of that name
    // in place of the start-up template.
    void StartOn(const QString& sTemplate) {
        for (const QString& sExtension : {QStringLiteral(".zrj"), QStringLiteral(".html")}) {
            const QString sTarget = Env.Path(QStringLiteral("install/Templates/Default")) + sExtension;
            QFile::remove(sTarget);
            ASSERT_TRUE(
                QFile::copy(QStringLiteral(BRISOLA_SOURCE_DIR "/templates/") + sTemplate + sExtension, sTarget));
        }
        Form = Env.CreateMainForm();
        ASSERT_TRUE(Form);
    }
    // Shows the window; the first display previews the loaded popup.
    void ShowAndWaitForPreview() {
        QSignalSpy done(Form.get(), &TMainForm::FirstDisplayCompleted);
        Form->show();
        ASSERT_TRUE(done.wait(30000));
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return Form->StatusText() != QStringLiteral("Generating preview..."); }, 30000));
    }
    TPreviewBrowser& Browser() { return Form->findChild<TPreviewPanel*>(QStringLiteral("PreviewPanel"))->Browser(); }

    TTestEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

TEST_F(PreviewTest, StartUpShowsTheLoadedPopupInTheBrowser) {
    EXPECT_TRUE(Form->bPreviewNeeded) << "the window is not showing yet at the start-up load";
    ShowAndWaitForPreview();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Preview generated"));
    EXPECT_FALSE(Form->bPreviewNeeded);
    EXPECT_TRUE(WaitForScript(Browser(), sPopupVisible));
    EXPECT_EQ(RunScript(Browser(), QStringLiteral("document.getElementById('welcome_zepTitle').textContent")),
              QStringLiteral("Welcome to Brisola - getting started"));
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("zepInternal.html")));
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("zepInternal.js")));

    EXPECT_NE(Form->hWebBrowser, 0U);
    const QStringList lines = Env.LogLines();
    const qsizetype iGenerating = lines.indexOf(QStringLiteral("Status [Generating preview...]"));
    EXPECT_GE(iGenerating, 0);
    EXPECT_GT(lines.indexOf(QStringLiteral("Status [Preview generated]")), iGenerating);
    EXPECT_TRUE(lines.contains(QStringLiteral("Browser window handle = ") + QString::number(Form->hWebBrowser)));
}

TEST_F(PreviewTest, RefreshShowsTheChangedPopupAndPointerOverTheBrowserIsReported) {
    ShowAndWaitForPreview();
    TZEPInstance* instance = Form->CurrentInstance();
    ASSERT_TRUE(instance);
    instance->sTitle = QStringLiteral("Changed \"title\"");
    Form->Actions().RefreshMenu->trigger();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Preview generated"));
    EXPECT_TRUE(WaitForScript(Browser(), sPopupVisible));
    EXPECT_EQ(RunScript(Browser(), QStringLiteral("document.getElementById('welcome_zepTitle').textContent")),
              QStringLiteral("Changed \"title\""));
    EXPECT_EQ(RunScript(Browser(), QStringLiteral("document.querySelectorAll('[id=welcome_zepB]').length")).toInt(), 1);

    // The browser's pages are drawn by a child widget of the view.
    QWebEngineView* view = Browser().View();
    QWidget* content = view->focusProxy() ? view->focusProxy() : view->findChild<QWidget*>();
    ASSERT_TRUE(content);
    QMouseEvent move(QEvent::MouseMove, QPointF(7, 9), content->mapToGlobal(QPointF(7, 9)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(content, &move);
    EXPECT_EQ(Form->PointerText(), QStringLiteral("X=7, Y=9"));
}

TEST_F(PreviewTest, ARefreshWhileThePreviewWaitsFollowsItInsteadOfNesting) {
    ShowAndWaitForPreview();
    const qsizetype iBefore = Env.LogLines().size();
    QTimer::singleShot(0, Form.get(), [this] { Form->Actions().RefreshMenu->trigger(); });
    Form->Actions().RefreshMenu->trigger();
    ASSERT_TRUE(QTest::qWaitFor(
        [this, iBefore] {
            return Env.LogLines().mid(iBefore).count(QStringLiteral("Status [Preview generated]")) == 2;
        },
        30000));
    const QStringList statusLines = Env.LogLines().mid(iBefore).filter(QStringLiteral("Status ["));
    EXPECT_EQ(
        statusLines,
        QStringList({QStringLiteral("Status [Generating preview...]"), QStringLiteral("Status [Preview generated]"),
                     QStringLiteral("Status [Generating preview...]"), QStringLiteral("Status [Preview generated]")}));
    EXPECT_TRUE(WaitForScript(Browser(), sPopupVisible));
}

TEST_F(PreviewTest, AClickIntoTheBrowserPreviewsAPendingChangeOnly) {
    ShowAndWaitForPreview();
    QWebEngineView* view = Browser().View();
    QWidget* content = view->focusProxy() ? view->focusProxy() : view->findChild<QWidget*>();
    ASSERT_TRUE(content);
    const auto click = [content] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), content->mapToGlobal(QPointF(3, 3)), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(content, &press);
    };
    Form->Status(QStringLiteral("Changed"));
    click();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Changed"));
    Form->bPreviewNeeded = true;
    click();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Preview generated"));
    EXPECT_FALSE(Form->bPreviewNeeded);
}

// The installation's other starting points, each previewed at start-up: the
// popup appears (a click popup after a click on its link, a slide-in after
// its delay of 2 s, a site-wide popup when its cookie of 5 s has run out).
struct TTemplateCase {
    const char* sTemplate;
    const char* sUid;
    bool bClickLink;
};

class TemplatePreviewTest : public PreviewTest, public ::testing::WithParamInterface<TTemplateCase> {
protected:
    void SetUp() override { StartOn(QLatin1String(GetParam().sTemplate)); }
};

TEST_P(TemplatePreviewTest, ThePopupAppears) {
    ShowAndWaitForPreview();
    ASSERT_EQ(Form->StatusText(), QStringLiteral("Preview generated"));
    const QString sUid = QLatin1String(GetParam().sUid);
    ASSERT_TRUE(WaitForScript(Browser(), QStringLiteral("!!document.getElementById('%1_zepB')").arg(sUid)));
    if (GetParam().bClickLink) {
        EXPECT_FALSE(WaitForScript(Browser(), PopupVisible(sUid), 300)) << "shown before the click";
        RunScript(Browser(), QStringLiteral("document.querySelector('center a').click()"));
    }
    EXPECT_TRUE(WaitForScript(Browser(), PopupVisible(sUid), 10000));
}

INSTANTIATE_TEST_SUITE_P(Templates, TemplatePreviewTest,
                         ::testing::Values(TTemplateCase{"ModalPopup", "modalpopup", false},
                                           TTemplateCase{"SiteWide", "sitewide", false},
                                           TTemplateCase{"DontShowAgain", "dontshowagain", false},
                                           TTemplateCase{"SlideIn", "slidein", false},
                                           TTemplateCase{"ClickPopup", "clickpopup", true}));

class ModalPreviewTest : public PreviewTest {
protected:
    void SetUp() override { StartOn(QStringLiteral("ModalPopup")); }
};

TEST_F(ModalPreviewTest, AModalPopupHasItsMaskStyleSheet) {
    ShowAndWaitForPreview();
    EXPECT_TRUE(QFile::exists(Env.TemplateFolder() + QStringLiteral("ZEPMask.css")));
    EXPECT_FALSE(QFile::exists(Env.TemplateFolder() + QStringLiteral("ZEPMask.png")));
    EXPECT_TRUE(WaitForScript(Browser(), QStringLiteral("document.styleSheets.length>0 && "
                                                        "!!document.querySelector('link[href=\"ZEPMask.css\"]')")));
}

// The browser alone, on a page of the test's own.
class PreviewBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("host.html")),
                                   {QStringLiteral("<html><body><p id=\"own\">own</p></body></html>")}));
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("a.js")), {QStringLiteral("order.push('a');")}));
        ASSERT_TRUE(WriteTextLines(Dir.filePath(QStringLiteral("b.js")),
                                   {QStringLiteral("order.push('b after ' + typeof second);")}));
        Window.resize(400, 300);
        Window.show();
    }
    QTemporaryDir Dir;
    QWidget Window;
    TPreviewBrowser Browser{&Window};
};

TEST_F(PreviewBrowserTest, InsertedScriptsRunInDocumentOrderBeforeThePageContent) {
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    ASSERT_TRUE(Browser.WaitForDocument());
    ASSERT_TRUE(Browser.InsertAfterBegin(QStringLiteral(
        "<!DOCTYPE html><html><head><meta charset=\"UTF-8\" /></head><body><div id=\"inserted\">&nbsp</div>"
        "<script type=\"text/javascript\" defer>var order=['first'];</script>"
        "<script type=\"text/javascript\" src=\"a.js\" defer></script>"
        "<script>var second=1;order.push('second');</script>"
        "<script src=\"b.js\"></script><script src=\"missing.js\"></script><script>order.push('last');</script>")));
    ASSERT_TRUE(WaitForScript(Browser, QStringLiteral("typeof order=='object' && order.length==5")));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("order.join(',')")),
              QStringLiteral("first,a,second,b after number,last"));
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.getElementById('inserted').parentNode==document.body && "
                                                "document.getElementById('inserted').compareDocumentPosition("
                                                "document.getElementById('own')) & Node.DOCUMENT_POSITION_FOLLOWING"))
                  .toInt(),
              iFollowing);
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.getElementById('own').previousElementSibling.tagName")),
              QStringLiteral("SCRIPT"));
}

TEST_F(PreviewBrowserTest, APreviewPageKeepsCookiesForItsLifetime) {
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    ASSERT_TRUE(Browser.WaitForDocument());
    EXPECT_EQ(
        RunScript(Browser, QStringLiteral("document.cookie='a=1; path=/';"
                                          "document.cookie='b=x%20y;expires='+new Date(Date.now()+60000).toUTCString()"
                                          "+'; path=/';document.cookie='a=2; path=/';"
                                          "document.cookie='gone=1;expires='+new Date(Date.now()-1000).toUTCString();"
                                          "document.cookie")),
        QStringLiteral("a=2; b=x%20y"));
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    ASSERT_TRUE(Browser.WaitForDocument());
    EXPECT_EQ(RunScript(Browser, QStringLiteral("document.cookie")), QString()) << "each preview starts afresh";
}

TEST_F(PreviewBrowserTest, AMissingPageFailsWithoutWaitingForTheTimeout) {
    QDeadlineTimer deadline(TPreviewBrowser::iLoadTimeoutMs);
    Browser.Navigate(Dir.filePath(QStringLiteral("missing.html")));
    EXPECT_FALSE(Browser.WaitForDocument());
    EXPECT_FALSE(deadline.hasExpired());
    EXPECT_FALSE(Browser.GetLastError().isEmpty());
}

TEST_F(PreviewBrowserTest, AWaitEndsAtItsTimeout) {
    Browser.Navigate(Dir.filePath(QStringLiteral("host.html")));
    EXPECT_FALSE(Browser.WaitForDocument(0));
    QVariant value;
    EXPECT_FALSE(Browser.RunScript(QStringLiteral("1"), value, 0));
}

} // namespace
