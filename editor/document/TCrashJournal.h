#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>

class TEditorDocument;
class TProjectDocument;

// Keeps the unsaved state of the document in a recovery folder of its own, so
// that a run that ends without saving (a crash, a killed process) loses
// nothing: every popup, the options, the file lists, the unsaved texts of the
// file tabs and the name of the project file. A change is journalled within
// iDelayMs; the copy is taken on the calling thread and written on a worker
// thread, staged in a folder of its own and put in place by renaming, so a
// journal is always whole. Saving, a clean close and Discard remove it.
class TCrashJournal : public QObject {
    Q_OBJECT
public:
    static constexpr int iDelayMs = 1000;

    // sFolder is the recovery folder (created when needed).
    TCrashJournal(TEditorDocument& document, QString sFolder, QObject* parent = nullptr);
    ~TCrashJournal() override;

    // The full path of the project file of a journal left behind; empty
    // when there is none.
    QString PendingProject() const;
    // Opens the journalled project into target with the names and file lists
    // it had; its file tabs' unsaved texts go to fileTexts. False when the
    // journal cannot be read, with the reason in GetLastError.
    bool Recover(TProjectDocument& target, QMap<QString, QString>& fileTexts);
    QString GetLastError() const { return sLastError; }

    // Journals the document's state now (the delay timer calls it).
    void WriteNow();
    // Removes the journal, after any write still under way.
    void Discard();
    // Waits until every write and removal asked for has been done.
    void WaitForWrites();

private:
    void DocumentChanged();

    TEditorDocument& Document;
    QString sFolder;
    QString sLastError;
    QTimer Delay;
    QThreadPool Writer; // one thread: writes and removals keep their order
};
