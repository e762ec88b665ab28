#pragma once

// Sets a flag for its lifetime and then restores the value the flag had, so
// guards nest: the change handlers return at once while the flag is set.
class TUpdateGuard {
public:
    explicit TUpdateGuard(bool& bFlag) : Flag(bFlag), bPrevious(bFlag) { Flag = true; }
    ~TUpdateGuard() { Flag = bPrevious; }
    TUpdateGuard(const TUpdateGuard&) = delete;
    TUpdateGuard& operator=(const TUpdateGuard&) = delete;

private:
    bool& Flag;
    bool bPrevious;
};
