#include "THistoryCommands.h"

#include "TEditorDocument.h"
#include "TEditorServices.h"

#include <QAction>
#include <QDialog>
#include <QUndoView>
#include <QVBoxLayout>

namespace {

const QString sRecover = QStringLiteral("Recover");
const QString sDiscard = QStringLiteral("Discard");

} // namespace

THistoryCommands::THistoryCommands(IEditorServices& services, TEditorDocument& document, const QString& sRecoveryFolder,
                                   QWidget* window)
    : QObject(window), Services(services), Document(document), Window(window), CrashJournal(document, sRecoveryFolder) {
}

THistoryCommands::~THistoryCommands() = default;

void THistoryCommands::ConnectAction(QAction& historyMenu) {
    connect(&historyMenu, &QAction::triggered, this, &THistoryCommands::ShowHistoryPanel);
}

void THistoryCommands::ShowHistoryPanel() {
    if (!oPanel) {
        oPanel = new QDialog(Window);
        oPanel->setObjectName(QStringLiteral("HistoryForm"));
        oPanel->setWindowTitle(QStringLiteral("History"));
        auto* view = new QUndoView(&Document.History(), oPanel);
        view->setObjectName(QStringLiteral("HistoryList"));
        view->setAccessibleName(QStringLiteral("History"));
        view->setEmptyLabel(QStringLiteral("<opened>"));
        auto* layout = new QVBoxLayout(oPanel);
        layout->addWidget(view);
        oPanel->resize(260, 360);
    }
    oPanel->show();
    oPanel->raise();
}

TRecoveryChoice THistoryCommands::AskRecovery() {
    TRecoveryChoice choice;
    choice.sProjectFile = CrashJournal.PendingProject();
    if (choice.sProjectFile.isEmpty())
        return choice;
    const QString sQuestion = QStringLiteral("Brisola closed before the changes to <") + choice.sProjectFile +
                              QStringLiteral("> were saved. Recover them?");
    choice.bRecover = Services.AskChoice(Window, sQuestion, {sRecover, sDiscard}) == sRecover;
    if (!choice.bRecover)
        CrashJournal.Discard();
    return choice;
}

bool THistoryCommands::ApplyJournal() {
    TProjectDocument recovered;
    QMap<QString, QString> texts;
    if (!CrashJournal.Recover(recovered, texts)) {
        Services.Ask(Window, CMessageKind::mkError, CrashJournal.GetLastError(), QMessageBox::Ok);
        return false;
    }
    TProjectDocument& data = Document.Data();
    data.Project.CopyContentsFrom(recovered.Project);
    data.Project.sFullProjectName = recovered.Project.sFullProjectName;
    data.Project.sLoadedProjectPath = recovered.Project.sLoadedProjectPath;
    data.Project.bTemplate = recovered.Project.bTemplate;
    data.EditableFiles = recovered.EditableFiles;
    data.UpLoadIncludeList = recovered.UpLoadIncludeList;
    Document.StartHistory(true);
    Document.SetFileTexts(texts);
    return true;
}

void THistoryCommands::CleanClose() {
    CrashJournal.Discard();
    CrashJournal.WaitForWrites();
}
