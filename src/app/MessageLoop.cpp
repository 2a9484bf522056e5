// Messages first, then a frame when one is due; in between the loop sleeps in the event
// wait instead of spinning, so an idle game costs almost no CPU.
#include "app/MessageLoop.h"

#include <algorithm>

#include "app/FrameDriver.h"
#include "platform/Clock.h"

namespace {
// While inactive no frame is due; wake now and then all the same.
constexpr uint32_t kInactiveWaitMs = 1000;
}  // namespace

void LoopHooks::Dispatch(Window& window, const Message& message) { window.Dispatch(message); }

void LoopHooks::RunFrame(Window& window) {
    if (frameDriver != nullptr) frameDriver->RunFrame();
    ApplyModeTransition(window);
}

bool RunDueFrame(Window& window, uint32_t now, uint32_t& lastFrame, LoopHooks& hooks) {
    if (!FrameDue(lastFrame, now) || windowInactive != 0) return false;
    lastFrame = timeGetTime();
    hooks.RunFrame(window);
    return true;
}

int RunMessageLoop(Window& window) {
    LoopHooks plain;
    return RunMessageLoop(window, plain);
}

int RunMessageLoop(Window& window, LoopHooks& hooks) {
    uint32_t lastFrame = 0;
    Message message{};
    for (;;) {
        if (window.PeekMessage(message)) {
            if (message.message == WM_QUIT) return int(message.wParam);
            hooks.Dispatch(window, message);
            continue;
        }
        // After a frame the loop goes straight to the wait, which returns at once for a
        // message that came meanwhile: asking for messages twice costs the display server
        // a round of questions each frame.
        RunDueFrame(window, timeGetTime(), lastFrame, hooks);
        const uint32_t now = timeGetTime();
        if (windowInactive != 0) {
            window.WaitMessage(kInactiveWaitMs);
        } else if (!FrameDue(lastFrame, now)) {
            // The next frame is due once the clock passes lastFrame + 33.
            const uint32_t due = lastFrame + kFrameGapMs + 1 - now;
            window.WaitMessage(std::clamp<uint32_t>(due, 1, kFrameGapMs + 1));
        }
    }
}
