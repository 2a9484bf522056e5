// The millisecond clock on Windows: timeGetTime, with the system's timer made fine enough
// (1 ms) for as long as the clock lives, so that waits end when the next frame is due.
#pragma once

#include "platform/Clock.h"

class Win32Clock final : public Clock {
public:
    Win32Clock();
    ~Win32Clock() override;
    Win32Clock(const Win32Clock&) = delete;
    Win32Clock& operator=(const Win32Clock&) = delete;

    uint32_t Now() override;

private:
    bool fineTimer_ = false;
};
