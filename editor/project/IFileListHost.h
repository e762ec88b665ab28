#pragma once

#include <QMessageBox>
#include <QString>

// What the file lists dialog needs from the main window: its editable file
// pages, the status bar, and the questions and file chooser it shows.
class IFileListHost {
public:
    virtual ~IFileListHost() = default;

    virtual void AddEditableFilePage(const QString& sFileName) = 0;
    virtual void LoadEditableFile(const QString& sFileName) = 0;
    virtual void RemoveEditableFile(const QString& sFileName) = 0;
    // Shows the text in the status bar and logs it.
    virtual void Status(const QString& sText) = 0;
    // Writes the message to the session log and shows it in an error box.
    virtual void LogError(const QString& sText) = 0;

    // An error box with OK.
    virtual void ShowError(const QString& sText) = 0;
    // An information box with OK.
    virtual void ShowInfo(const QString& sText) = 0;
    // A confirmation with the buttons given; answers the button pressed
    // (Cancel when the box is closed).
    virtual QMessageBox::StandardButton Confirm(const QString& sQuestion, QMessageBox::StandardButtons buttons) = 0;
    // A file chooser for an existing file; empty when cancelled.
    virtual QString ChooseFile(const QString& sCaption, const QString& sStartFolder) = 0;
};
