#pragma once

#include <QStringList>

#include <functional>

class QDialog;
class TUpLoadForm;

// What the upload command needs from the main window.
struct TUpLoadCommandLinks {
    // The compiled-state check with its purpose text: true when a compiled
    // version of the project may be used.
    std::function<bool(const QString& sPurpose)> CheckCompiledVersion;
    // Shows the dialog modally and answers its result.
    std::function<int(QDialog& dialog)> RunModal;
    // Writes an error to the session log and shows it in an error box.
    std::function<void(const QString& sMessage)> Error;
    // The main window's status line.
    std::function<void(const QString& sText)> Status;
};

// The main window's upload command: uploads the files of the last compile
// through the upload dialog. Nothing is shown when the project has no usable
// compiled version or the list is empty; a dialog closed with Done reports
// "Files UpLoaded Successfully". True when it did.
bool UpLoadCompiledFiles(TUpLoadForm& form, const QStringList& upLoadIncludeList, const TUpLoadCommandLinks& links);
