// The browser's millisecond clock: it counts on from a given start with the page's
// monotonic time, so it never steps back.
#pragma once

#include "platform/Clock.h"

class WebClock final : public Clock {
public:
    explicit WebClock(uint32_t start);
    uint32_t Now() override;

    // Milliseconds of the wall clock, wrapping: a start that differs on every visit, as the
    // game takes its random seed from the clock.
    static uint32_t WallClock();

private:
    uint32_t start_;
    double startedAt_;  // the page's time at the start, in milliseconds
};
