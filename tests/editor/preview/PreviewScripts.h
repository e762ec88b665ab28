#pragma once

#include <QString>
#include <QVariant>

class TPreviewBrowser;

// Runs the script in the page and waits for its value; false when none came in time.
bool AskPage(TPreviewBrowser& browser, const QString& sScript, QVariant& value, int iTimeoutMs = 10000);
// Asks the page until the condition holds; false when the time is up.
bool WaitForScript(TPreviewBrowser& browser, const QString& sCondition, int iTimeoutMs = 10000);
// The script's value in the page as text; empty when it does not answer.
QString RunScript(TPreviewBrowser& browser, const QString& sScript);
