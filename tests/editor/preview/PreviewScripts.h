#pragma once

#include <QString>

class TPreviewBrowser;

// Asks the page until the condition holds; false when the time is up.
bool WaitForScript(TPreviewBrowser& browser, const QString& sCondition, int iTimeoutMs = 10000);
// The script's value in the page as text; empty when it does not answer.
QString RunScript(TPreviewBrowser& browser, const QString& sScript);
