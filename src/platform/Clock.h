// The millisecond clock the game reads (timeGetTime), supplied by the running backend.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    virtual uint32_t Now() = 0;
};

// The backend installs its clock before the game starts; null uninstalls it.
void InstallClock(Clock* clock);

// Milliseconds of the installed clock, unsigned and wrapping; 0 when none is installed.
uint32_t timeGetTime();
