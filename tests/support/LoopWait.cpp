#include "LoopWait.h"

#include <QEventLoop>
#include <QTimer>

bool WaitUntil(const std::function<bool()>& predicate, int iTimeoutMs) {
    if (predicate())
        return true;
    QEventLoop loop;
    // The predicate is checked every millisecond; between checks the loop
    // sleeps until an event comes.
    QTimer check;
    check.setTimerType(Qt::PreciseTimer);
    check.setInterval(1);
    QObject::connect(&check, &QTimer::timeout, &loop, [&predicate, &loop] {
        if (predicate())
            loop.quit();
    });
    QTimer::singleShot(iTimeoutMs, &loop, &QEventLoop::quit);
    check.start();
    loop.exec();
    return predicate();
}

void LetTimePass(int iMs) {
    QEventLoop loop;
    QTimer::singleShot(iMs, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}
