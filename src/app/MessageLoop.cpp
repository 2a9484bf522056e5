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

int RunMessageLoop(Window& window) {
    uint32_t lastFrame = 0;
    Message message{};
    for (;;) {
        if (window.PeekMessage(message)) {
            if (message.message == WM_QUIT) return int(message.wParam);
            window.Dispatch(message);
            continue;
        }
        const uint32_t now = timeGetTime();
        if (FrameDue(lastFrame, now) && windowInactive == 0) {
            lastFrame = timeGetTime();
            if (frameDriver != nullptr) frameDriver->RunFrame();
            ApplyModeTransition(window);
        } else if (windowInactive != 0) {
            window.WaitMessage(kInactiveWaitMs);
        } else {
            // The next frame is due once the clock passes lastFrame + 33.
            const uint32_t due = lastFrame + kFrameGapMs + 1 - now;
            window.WaitMessage(std::clamp<uint32_t>(due, 1, kFrameGapMs + 1));
        }
    }
}
