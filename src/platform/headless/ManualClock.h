// A clock that moves only when told: the headless runner's virtual milliseconds.
#pragma once

#include "platform/Clock.h"

class ManualClock final : public Clock {
public:
    explicit ManualClock(uint32_t start = 0) : now_(start) {}
    uint32_t Now() override { return now_; }
    void Set(uint32_t now) { now_ = now; }
    void Advance(uint32_t ms) { now_ += ms; }

private:
    uint32_t now_;
};
