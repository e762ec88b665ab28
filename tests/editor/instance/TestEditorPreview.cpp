// Changes in the instance editor reach the popup in the embedded browser:
// asked of the page itself, in the real engine.
#include "EditorWindowFixture.h"

#include "LoopWait.h"
#include "PreviewScripts.h"
#include "TPreviewBrowser.h"
#include "TPreviewGenerator.h"
#include "TZEPInstance.h"
#include "TextFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWebEngineView>
#include <QtTest/QTest>

namespace {

class EditorPreviewTest : public EditorWindowTest {
protected:
    void SetUp() override {
        StartOn(QStringLiteral("Default"));
        ShowAndWaitForPreview();
        ASSERT_TRUE(WaitForScript(Browser(), QStringLiteral("!!document.getElementById('welcome_zepC')")));
    }
    QString Page(const QString& sScript) { return RunScript(Browser(), sScript); }
    // The popup's border width: its content sits that far inside the box.
    QString BorderWidth() { return Page(QStringLiteral("document.getElementById('welcome_zepC').style.left")); }
    QString TitleText() { return Page(QStringLiteral("document.getElementById('welcome_zepTitle').textContent")); }
    // Waits for the preview that the change started, then for its popup.
    void WaitForNewPreview() {
        ASSERT_TRUE(WaitForStatus(QStringLiteral("Preview generated")));
        ASSERT_TRUE(WaitForScript(Browser(), QStringLiteral("!!document.getElementById('welcome_zepC')")));
    }
    // Sends a pointer event to the widget in which the engine draws the page.
    void SendMouse(QEvent::Type type, const QPointF& position, Qt::MouseButton button) {
        QWebEngineView* view = Browser().View();
        QWidget* content = view->focusProxy() ? view->focusProxy() : view->findChild<QWidget*>();
        QMouseEvent event(type, position, content->mapToGlobal(position), button, button, Qt::NoModifier);
        QApplication::sendEvent(content, &event);
    }
};

TEST_F(EditorPreviewTest, ACheckBoxClickRegeneratesThePreviewAtOnce) {
    EXPECT_EQ(BorderWidth(), QStringLiteral("2px"));
    Find<QCheckBox>(QStringLiteral("Border:"))->click();
    WaitForNewPreview();
    EXPECT_EQ(BorderWidth(), QStringLiteral("0px"));
    EXPECT_FALSE(Form->IsPreviewNeeded());
}

TEST_F(EditorPreviewTest, AnEntryEffectRegeneratesThePreview) {
    EXPECT_EQ(Page(QStringLiteral("getComputedStyle(document.getElementById('welcome_zepB')).position")),
              QStringLiteral("absolute"));
    Find<QComboBox>(QStringLiteral("Entry effect"))->setCurrentText(QStringLiteral("Slide-in from right"));
    WaitForNewPreview();
    // Sliding in from the right makes the popup follow the scroll: it is fixed in the window.
    EXPECT_EQ(Page(QStringLiteral("getComputedStyle(document.getElementById('welcome_zepB')).position")),
              QStringLiteral("fixed"));
}

TEST_F(EditorPreviewTest, ATypedTitleWaitsUntilTheFieldIsLeft) {
    QLineEdit* title = Find<QLineEdit>(QStringLiteral("Title:"));
    title->setFocus();
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(title, QStringLiteral("Typed title"));
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Changed"));
    EXPECT_TRUE(Form->IsPreviewNeeded());
    LetTimePass(200);
    EXPECT_EQ(TitleText(), QStringLiteral("Welcome to Brisola - getting started")) << "not regenerated yet";

    Find<QLineEdit>(QStringLiteral("Width:"))->setFocus();
    WaitForNewPreview();
    EXPECT_EQ(TitleText(), QStringLiteral("Typed title"));
    EXPECT_FALSE(Form->IsPreviewNeeded());
}

TEST_F(EditorPreviewTest, TypedOffsetsShowWhenThePreviewUnderThePointerIsClicked) {
    Find<QComboBox>(QStringLiteral("Entry effect"))->setCurrentText(QStringLiteral("No entry effect"));
    Find<QComboBox>(QStringLiteral("Location:"))->setCurrentText(QStringLiteral("Manual"));
    WaitForNewPreview();
    for (const auto& [sField, sValue] : {std::pair{"Top:", "70"}, std::pair{"Left:", "90"}}) {
        QLineEdit* field = Find<QLineEdit>(QString::fromUtf8(sField));
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, QString::fromUtf8(sValue));
    }
    EXPECT_EQ(Form->StatusText(), QStringLiteral("Changed"));
    SendMouse(QEvent::MouseMove, QPointF(5, 6), Qt::NoButton);
    EXPECT_EQ(Form->PointerText(), QStringLiteral("X=5, Y=6"));
    SendMouse(QEvent::MouseButtonPress, QPointF(5, 6), Qt::LeftButton);
    WaitForNewPreview();
    EXPECT_EQ(Page(QStringLiteral("document.getElementById('welcome_zepB').style.top")), QStringLiteral("70px"));
    EXPECT_EQ(Page(QStringLiteral("document.getElementById('welcome_zepB').style.left")), QStringLiteral("90px"));
}

TEST_F(EditorPreviewTest, AFailedGenerationIsReported) {
    // Files where the preview's folders must be made: it cannot write its pages.
    const QString sPrivate = Form->findChild<TPreviewGenerator*>(QStringLiteral("PreviewGenerator"))->Folder();
    for (const QString& sSite : {QStringLiteral("/a"), QStringLiteral("/b")}) {
        QDir(sPrivate + sSite).removeRecursively();
        ASSERT_TRUE(WriteTextLines(sPrivate + sSite, {QStringLiteral("in the way")}));
    }
    Find<QCheckBox>(QStringLiteral("Scrollbars"))->click();
    EXPECT_TRUE(WaitForStatus(QStringLiteral("Error generating preview")));
}

} // namespace
