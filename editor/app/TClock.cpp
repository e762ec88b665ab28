#include "TClock.h"

#include <QElapsedTimer>

quint32 TSystemClock::TickCount() const {
    static const QElapsedTimer started = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return quint32(started.elapsed());
}
