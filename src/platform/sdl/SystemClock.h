// Milliseconds since the system started, as the game's clock counts them.
#pragma once

#include "platform/Clock.h"

class SystemClock final : public Clock {
public:
    // Wraps after 49.7 days, as a 32-bit millisecond count does.
    uint32_t Now() override;
};
