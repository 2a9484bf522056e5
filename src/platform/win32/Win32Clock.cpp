// timeGetTime and the timer resolution it is read at.
#include "platform/win32/Win32Clock.h"

#include "platform/win32/WindowsApi.h"

namespace {
// Without it a wait rounds up to the next 15.6 ms tick, and frames come 47 ms apart.
constexpr UINT kTimerResolutionMs = 1;
}  // namespace

Win32Clock::Win32Clock() : fineTimer_(timeBeginPeriod(kTimerResolutionMs) == TIMERR_NOERROR) {}

Win32Clock::~Win32Clock() {
    if (fineTimer_) timeEndPeriod(kTimerResolutionMs);
}

uint32_t Win32Clock::Now() { return winmm::timeGetTime(); }
