#include "PreviewScripts.h"

#include "TPreviewBrowser.h"

#include <QDeadlineTimer>
#include <QtTest/QTest>

bool WaitForScript(TPreviewBrowser& browser, const QString& sCondition, int iTimeoutMs) {
    const QDeadlineTimer deadline(iTimeoutMs);
    do {
        QVariant value;
        if (browser.RunScript(sCondition, value, 2000) && value.toBool())
            return true;
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return false;
}

QString RunScript(TPreviewBrowser& browser, const QString& sScript) {
    QVariant value;
    browser.RunScript(sScript, value);
    return value.toString();
}
