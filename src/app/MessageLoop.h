// The message loop and its frame pacing.
#pragma once

#include <cstdint>

#include "platform/Window.h"

// Frames begin more than 33 ms apart, only while no message waits and the window is active.
constexpr uint32_t kFrameGapMs = 33;

// The pacing rule, in wrapping unsigned milliseconds: 33 ms after the last frame is too soon.
inline bool FrameDue(uint32_t lastFrame, uint32_t now) { return lastFrame < now - kFrameGapMs; }

// What the loop does with a message and with a frame that is due: by default, hand the
// message to the window procedure and run the frame.
class LoopHooks {
public:
    virtual ~LoopHooks() = default;
    virtual void Dispatch(Window& window, const Message& message);
    virtual void RunFrame(Window& window);
};

// Runs a frame of the current mode and its transition when one is due at `now` by the rule
// above and the window is active; true when one ran. `lastFrame` is when the last began.
bool RunDueFrame(Window& window, uint32_t now, uint32_t& lastFrame, LoopHooks& hooks);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(Window& window);
int RunMessageLoop(Window& window, LoopHooks& hooks);
