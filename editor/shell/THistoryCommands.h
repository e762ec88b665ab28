#pragma once

#include "TCrashJournal.h"

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>

class IEditorServices;
class QAction;
class QWidget;
class TEditorDocument;

// What the designer answered about a journal left by a run that ended
// without saving.
struct TRecoveryChoice {
    QString sProjectFile; // the journalled project; empty without a journal
    bool bRecover = false;
};

// The window's part of the change history: the "History" panel, and the
// crash journal with its question at start-up.
class THistoryCommands : public QObject {
    Q_OBJECT
public:
    THistoryCommands(IEditorServices& services, TEditorDocument& document, const QString& sRecoveryFolder,
                     QWidget* window);
    ~THistoryCommands() override;

    // Edit > History shows the panel.
    void ConnectAction(QAction& historyMenu);
    // The panel "History": the steps by name, the current one selected;
    // choosing one goes back or forward to it.
    void ShowHistoryPanel();
    QDialog* HistoryPanel() const { return oPanel; }

    // Asks whether to recover a journal left behind; Discard removes it.
    TRecoveryChoice AskRecovery();
    // Puts the journalled state in place of the loaded project: its popups,
    // options, names, file lists and the file tabs' unsaved texts. The
    // history starts there, modified.
    bool ApplyJournal();
    // The window closes with nothing left to keep: the journal goes.
    void CleanClose();
    TCrashJournal& Journal() { return CrashJournal; }

private:
    IEditorServices& Services;
    TEditorDocument& Document;
    QWidget* Window;
    TCrashJournal CrashJournal;
    QPointer<QDialog> oPanel;
};
