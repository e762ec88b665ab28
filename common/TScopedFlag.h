#pragma once

// Sets a flag for its own lifetime and gives back the value the flag had
// before, so nested guards of the same flag cannot clear it halfway.
class TScopedFlag {
public:
    explicit TScopedFlag(bool& bFlag) : bFlag(bFlag), bPrevious(bFlag) { bFlag = true; }
    ~TScopedFlag() { bFlag = bPrevious; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& bFlag;
    const bool bPrevious;
};
