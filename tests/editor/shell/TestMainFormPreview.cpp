#include "LoopWait.h"
#include "MainFormTestSupport.h"

#include "PreviewEngineFlags.h"
#include "PreviewScripts.h"
#include "TMainActions.h"
#include "TPreviewBrowser.h"
#include "TPreviewPanel.h"
#include "TZEPInstance.h"
#include "TZEPProject.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEngineView>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

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
    // in place of the start-up template, beside the mask template that a
    // modal popup's preview reads.
    void StartOn(const QString& sTemplate) {
        const QString sSource = QStringLiteral(BRISOLA_SOURCE_DIR "/templates/");
        const QString sInstalled = Env.Path(QStringLiteral("install/Templates/"));
        for (const QString& sExtension : {QStringLiteral(".zrj"), QStringLiteral(".html")}) {
            QFile::remove(sInstalled + QStringLiteral("Default") + sExtension);
            ASSERT_TRUE(
                QFile::copy(sSource + sTemplate + sExtension, sInstalled + QStringLiteral("Default") + sExtension));
        }
        for (const QString& sMask : {QStringLiteral("Modal1.zrx"), QStringLiteral("Modal1.html")})
            ASSERT_TRUE(QFile::copy(sSource + sMask, sInstalled + sMask));
        Form = Env.CreateMainForm();
        ASSERT_TRUE(Form);
    }
    // Shows the window; the first display previews the loaded popup.
    void ShowAndWaitForPreview() {
        QSignalSpy done(Form.get(), &TMainForm::FirstDisplayCompleted);
        Form->show();
        ASSERT_TRUE(done.wait(30000));
        ASSERT_TRUE(WaitUntil([this] { return Form->StatusText() != QStringLiteral("Generating preview..."); }, 30000));
    }
    bool WaitForStatus(const QString& sStatus) {
        return WaitUntil([&] { return Form->StatusText() == sStatus; }, 30000);
    }
    TPreviewBrowser& Browser() { return Form->findChild<TPreviewPanel*>(QStringLiteral("PreviewPanel"))->Browser(); }

    TMainFormEnvironment Env;
    std::unique_ptr<TMainForm> Form;
};

// Whether a node at or below the given one has the role and the name.
bool HasAccessible(QAccessibleInterface* node, QAccessible::Role role, const QString& sName) {
    if (!node || !node->isValid())
        return false;
    if (node->role() == role && node->text(QAccessible::Name) == sName)
        return true;
    for (int i = 0; i < node->childCount(); ++i) {
        if (HasAccessible(node->child(i), role, sName))
            return true;
    }
    return false;
}

// The preview as a screen reader meets it: the engine as the program starts
// it (without the test programs' own accessibility switch); the screen reader
// connects to the running program.
class PreviewAccessibilityTest : public PreviewTest {
protected:
    void SetUp() override {
        QString sFlags = qEnvironmentVariable(PreviewEngineFlags::sVariable);
        qputenv(PreviewEngineFlags::sVariable,
                sFlags.remove(QStringLiteral("--force-renderer-accessibility")).toLocal8Bit());
        qunsetenv(PreviewEngineFlags::sAccessibilityVariable);
        PreviewTest::SetUp();
    }
};

TEST_F(PreviewAccessibilityTest, ThePopupReadsAsADialogNamedByItsTitle) {
    ShowAndWaitForPreview();
    ASSERT_TRUE(WaitForScript(Browser(), sPopupVisible));
    QAccessible::setActive(true);
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(Browser().View());
    EXPECT_TRUE(WaitUntil(
        [view] {
            return HasAccessible(view, QAccessible::Dialog, QStringLiteral("Welcome to Brisola - getting started"));
        },
        10000));
}

TEST_F(PreviewTest, StartUpShowsTheLoadedPopupInTheBrowser) {
    EXPECT_TRUE(Form->IsPreviewNeeded()) << "the window is not showing yet at the start-up load";
    ShowAndWaitForPreview();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Preview generated"));
    EXPECT_FALSE(Form->IsPreviewNeeded());
    EXPECT_TRUE(WaitForScript(Browser(), sPopupVisible));
    EXPECT_EQ(RunScript(Browser(), QStringLiteral("document.getElementById('welcome_zepTitle').textContent")),
              QStringLiteral("Welcome to Brisola - getting started"));
    EXPECT_FALSE(QFile::exists(Env.TemplateFolder() + QStringLiteral("zepInternal.html")));
    EXPECT_FALSE(QFile::exists(Env.TemplateFolder() + QStringLiteral("zepInternal.js")));

    EXPECT_NE(Form->BrowserWindowHandle(), 0U);
    const QStringList lines = Env.LogLines();
    const qsizetype iGenerating = lines.indexOf(QStringLiteral("Status [Generating preview...]"));
    EXPECT_GE(iGenerating, 0);
    EXPECT_GT(lines.indexOf(QStringLiteral("Status [Preview generated]")), iGenerating);
    EXPECT_TRUE(
        lines.contains(QStringLiteral("Browser window handle = ") + QString::number(Form->BrowserWindowHandle())));
}

TEST_F(PreviewTest, RefreshShowsTheChangedPopupAndPointerOverTheBrowserIsReported) {
    ShowAndWaitForPreview();
    TZEPInstance* instance = Form->CurrentInstance();
    ASSERT_TRUE(instance);
    instance->sTitle = QStringLiteral("Changed \"title\"");
    Form->Actions().RefreshMenu->trigger();
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Generating preview..."));
    ASSERT_TRUE(WaitForStatus(QStringLiteral("Preview generated")));
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
    ASSERT_TRUE(WaitUntil(
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
    Form->NotePreviewNeeded();
    click();
    EXPECT_TRUE(WaitForStatus(QStringLiteral("Preview generated")));
    EXPECT_FALSE(Form->IsPreviewNeeded());
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
    EXPECT_FALSE(QFile::exists(Env.TemplateFolder() + QStringLiteral("ZEPMask.css")));
    EXPECT_FALSE(QFile::exists(Env.TemplateFolder() + QStringLiteral("ZEPMask.png")));
    EXPECT_TRUE(WaitForScript(Browser(), QStringLiteral("(function(){var l=document.querySelector("
                                                        "'link[href=\"ZEPMask.css\"]');"
                                                        "return !!l && !!l.sheet && l.sheet.cssRules.length>0;})()")));
}

} // namespace
