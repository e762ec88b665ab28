#pragma once

#include <QString>

// File and folder operations of the desktop: special folders, silent delete
// and copy of whole folder trees, and writing a text as lines.

enum class CSpecialFolder {
    sfDocuments,     // the user's documents folder
    sfAppData,       // the user's application data folder
    sfCommonAppData, // application data shared by all users
    sfDesktop,
    sfTemp,
};

// The folder's path, empty when the desktop has none. The folder is not created.
QString GetSpecialFolder(CSpecialFolder folder);

// Deletes a file or a folder tree into the trash (removing it outright where
// there is no trash), without asking. One trailing separator is removed first.
// A missing path, an empty path or a root folder fails.
bool ShellDelete(const QString& sPath);

// Copies a file or a folder tree without asking, creating folders and
// replacing files as needed. A folder copied to a missing target becomes the
// target; copied to an existing folder it goes inside it under its own name.
// A file copied to an existing folder goes inside it. Trailing separators are
// removed from both paths. Copying a folder into itself fails.
bool ShellCopy(const QString& sSource, const QString& sTarget);

// Writes the text as lines (CR LF after each line, the last included),
// replacing the file in one go.
bool WriteTextFile(const QString& sFileName, const QString& sText);
