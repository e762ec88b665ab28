#include "PreviewScripts.h"

#include "LoopWait.h"
#include "TPreviewBrowser.h"

#include <QDeadlineTimer>

#include <memory>
#include <optional>

bool AskPage(TPreviewBrowser& browser, const QString& sScript, QVariant& value, int iTimeoutMs) {
    auto answer = std::make_shared<std::optional<QVariant>>();
    browser.RunScript(sScript, [answer](const QVariant& result) { *answer = result; });
    if (!WaitUntil([&answer] { return answer->has_value(); }, iTimeoutMs))
        return false;
    value = **answer;
    return true;
}

bool WaitForScript(TPreviewBrowser& browser, const QString& sCondition, int iTimeoutMs) {
    const QDeadlineTimer deadline(iTimeoutMs);
    do {
        QVariant value;
        if (AskPage(browser, sCondition, value, 2000) && value.toBool())
            return true;
        LetTimePass(10);
    } while (!deadline.hasExpired());
    return false;
}

QString RunScript(TPreviewBrowser& browser, const QString& sScript) {
    QVariant value;
    AskPage(browser, sScript, value, 10000);
    return value.toString();
}
