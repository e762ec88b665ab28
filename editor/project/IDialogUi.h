#pragma once

#include <QMessageBox>
#include <QString>

// The questions and file dialogs that the project dialogs put to the user.
// The editor answers them with its message boxes and file dialogs; tests
// answer them from a script.
class IDialogUi {
public:
    enum class CKind { mkError, mkWarning, mkInformation, mkConfirmation };

    virtual ~IDialogUi() = default;
    // Shows a message box; answers the button pressed (Cancel when closed).
    virtual QMessageBox::StandardButton Ask(CKind kind, const QString& sText, QMessageBox::StandardButtons buttons) = 0;
    // A file to open or to save to, starting in sStartDir; empty when cancelled.
    virtual QString OpenFileName(const QString& sTitle, const QString& sStartDir, const QString& sFilter) = 0;
    virtual QString SaveFileName(const QString& sTitle, const QString& sStartDir, const QString& sFilter) = 0;
};
