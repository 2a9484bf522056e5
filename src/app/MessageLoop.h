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

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(Window& window);
int RunMessageLoop(Window& window, LoopHooks& hooks);
