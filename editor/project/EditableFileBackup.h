#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// The temporary exchange that lets a preview show the unsaved text of an
// editable file: the saved file waits under its backup name while the file's
// own name holds the edited text, and is put back afterwards.

using TLogLine = std::function<void(const QString&)>;

// The backup name of an editable file: its path followed by "$$$BAK".
QString BackupName(const QString& sFile);

// Moves the file to its backup name and writes sText under the file's own
// name. A backup name already taken, or a file that cannot be moved, leaves
// the file as it is (the saved text is never overwritten unbacked). Answers
// whether the file is now exchanged; logs the outcome.
bool BackupEditableFile(const QString& sFile, const QString& sText, const TLogLine& log);

// Puts the saved file back from its backup name. Answers whether the file is
// still exchanged (the backup could not be put back); logs the outcome.
bool RestoreEditableFile(const QString& sFile, const TLogLine& log);

// After a crash between the exchange and its undoing, the saved text waits
// under the backup name: puts every such backup of the named files in
// sProjectDir back in place, logging each. Answers how many were restored.
int RecoverEditableFileBackups(const QString& sProjectDir, const QStringList& FileNames, const TLogLine& log);

// The same for the editable files that the project file lists, run before
// the project is loaded (a file that waits under its backup name would
// otherwise be missing, and the project would lose it from its list).
int RecoverProjectFileBackups(const QString& sProjectFile, const TLogLine& log);
