#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Recovery of the editable files that older versions exchanged around a
// preview: the saved file waited under its backup name while the file's own
// name held the edited text. A crash in between left the folder so.

using TLogLine = std::function<void(const QString&)>;

// The backup name of an editable file: its path followed by "$$$BAK".
QString BackupName(const QString& sFile);

// Puts every backup of the named files in sProjectDir back in place, logging
// each. Answers how many were restored.
int RecoverEditableFileBackups(const QString& sProjectDir, const QStringList& FileNames, const TLogLine& log);

// The same for the editable files that the project file lists, run before
// the project is loaded (a file that waits under its backup name would
// otherwise be missing, and the project would lose it from its list).
int RecoverProjectFileBackups(const QString& sProjectFile, const TLogLine& log);
