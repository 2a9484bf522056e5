// The installed clock.
#include "platform/Clock.h"

namespace {
Clock* installedClock = nullptr;
}

void InstallClock(Clock* clock) { installedClock = clock; }

uint32_t timeGetTime() { return installedClock != nullptr ? installedClock->Now() : 0; }
