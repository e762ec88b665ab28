#include "EditorWindowFixture.h"

#include "LoopWait.h"
#include "TPreviewPanel.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>

void EditorWindowTest::StartOn(const QString& sTemplate) {
    for (const QString& sExtension : {QStringLiteral(".zrj"), QStringLiteral(".html")}) {
        const QString sTarget = Env.Path(QStringLiteral("install/Templates/Default")) + sExtension;
        QFile::remove(sTarget);
        ASSERT_TRUE(QFile::copy(QStringLiteral(BRISOLA_SOURCE_DIR "/templates/") + sTemplate + sExtension, sTarget));
    }
    Form = Env.CreateMainForm();
    ASSERT_TRUE(Form);
}

void EditorWindowTest::ShowAndWaitForPreview() {
    QSignalSpy done(Form.get(), &TMainForm::FirstDisplayCompleted);
    Form->show();
    ASSERT_TRUE(done.wait(30000));
    ASSERT_TRUE(WaitForStatus(QStringLiteral("Preview generated")));
    QApplication::setActiveWindow(Form.get());
}

bool EditorWindowTest::WaitForStatus(const QString& sStatus) {
    return WaitUntil([this, &sStatus] { return Form->StatusText() == sStatus; }, 30000);
}

TPreviewBrowser& EditorWindowTest::Browser() {
    return Form->findChild<TPreviewPanel*>(QStringLiteral("PreviewPanel"))->Browser();
}
