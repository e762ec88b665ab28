#pragma once

#include "IMessageUi.h"

#include <QStringList>

#include <functional>

// A message interface with answers given in advance. Every call is recorded
// as "<kind>: <message>"; OnCall runs at the moment the box would show.
class TScriptedMessageUi : public IMessageUi {
public:
    void ShowError(const QString& sMessage) override { Record(QStringLiteral("error: ") + sMessage); }
    void ShowWarning(const QString& sMessage) override { Record(QStringLiteral("warning: ") + sMessage); }
    bool Confirm(const QString& sMessage) override {
        Record(QStringLiteral("confirm: ") + sMessage);
        return bAnswerYes;
    }

    bool bAnswerYes = false;
    QStringList Calls;
    std::function<void()> OnCall;

private:
    void Record(const QString& sCall) {
        Calls.append(sCall);
        if (OnCall) {
            OnCall();
        }
    }
};
