#pragma once

#include <QString>

// The questions and messages that common code puts to the user.
//
// Core code never shows a window itself: the editor installs an
// implementation with modal message boxes, tests install scripted answers.
// While none is installed, messages are only logged and every confirmation is
// answered No.
class IMessageUi {
public:
    virtual ~IMessageUi() = default;

    // A modal message box of the error kind with a single OK button.
    virtual void ShowError(const QString& sMessage) = 0;
    // A modal warning box with a single OK button.
    virtual void ShowWarning(const QString& sMessage) = 0;
    // A modal confirmation box with Yes and No; true only for Yes.
    virtual bool Confirm(const QString& sMessage) = 0;
};

// Installs the process-wide message interface (not owned; nullptr removes it)
// and returns the one installed before.
IMessageUi* SetMessageUi(IMessageUi* ui);
IMessageUi* GetMessageUi();

// Shows the message in an error box through the installed interface; does
// nothing while none is installed.
void ShowErrorBox(const QString& sMessage);
