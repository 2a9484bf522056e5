// The monotonic system clock in milliseconds.
#include "platform/sdl/SystemClock.h"

#include <chrono>

uint32_t SystemClock::Now() {
    // The steady clock counts from boot here, so each run starts at a different time and
    // the game's random seed, taken from the clock at start-up, differs between runs.
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}
