#pragma once

#include <QString>

// The questions and messages that common code puts to the user.
//
// Core code never shows a window itself: the editor hands an implementation
// with modal message boxes to its log, tests hand scripted answers.
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
