#pragma once

#include <QString>
#include <QStringList>

class TProfileFile;

// Names of a project's side files and the project file's file lists.

// The project file's directory, with its trailing separator.
QString ProjectDirectory(const QString& sFullProject);
// The project file's name without directory and last extension, trimmed.
QString ProjectStem(const QString& sFullProject);
// The content file beside the project file: stem + "_ZEPcontent.js".
QString ContentFileName(const QString& sFullProject);
// The key "File" followed by k, of the project's file lists.
QString FileKey(int k);
// Writes a side file of the project (an HTML file, the content file) unless it
// holds these lines already. A side file that is written marks the project
// file modified, so that the project file's time stamp, which tells whether a
// compiled version is older than the project, moves with every change.
bool WriteSideFile(TProfileFile& fProjFile, const QString& sFile, const QStringList& lines);
// True when the relative name stays inside the directory it is taken from:
// not absolute and without ".." components ("/" and "\" both separate).
bool IsInsideDirectory(const QString& sRelativeName);
// A relative name as a path of this platform ("\" becomes "/").
QString LocalPath(const QString& sRelativeName);

// Editable files ("AUX_FILES" File1 to File6): the names up to the first
// empty value or the first name whose file is not in sProjectDir.
QStringList ReadEditableFileNames(const TProfileFile& fProjFile, const QString& sProjectDir);
// Writes File1 to File6: the names without directory, empty beyond the list.
void WriteEditableFileNames(TProfileFile& fProjFile, const QStringList& EditableFiles);

// Upload files ("UPLOAD_INCLUDE_FILES" File0 onwards): the non-empty values.
QStringList ReadUploadIncludeList(const TProfileFile& fProjFile);
// Writes File0 onwards, trimmed, without erasing the section (project save).
void WriteUploadIncludeFiles(TProfileFile& fProjFile, const QStringList& UpLoadIncludeList);
// Replaces the section in the project file on disk with the list (compile).
// Fails with a message in sError when the file has no stem or cannot be
// read or written; the caller then shows "Updated UpLoad included files list".
bool WriteUploadIncludeList(const QString& sProjectFile, const QStringList& UpLoadIncludeList, QString& sError);
