#pragma once

#include <QtGlobal>

// The millisecond tick count that the tips colours, the random tips and the
// splash fade read. Tests install a clock they drive by hand.
class IClock {
public:
    virtual ~IClock() = default;
    virtual quint32 TickCount() const = 0;
};

// Milliseconds since the program started, from a monotonic clock.
class TSystemClock : public IClock {
public:
    quint32 TickCount() const override;
};
