// The message loop and its frame pacing.
#pragma once

#include <cstdint>

#include "platform/Window.h"

// Frames begin more than 33 ms apart, only while no message waits and the window is active.
constexpr uint32_t kFrameGapMs = 33;

// The pacing rule, in wrapping unsigned milliseconds: 33 ms after the last frame is too soon.
inline bool FrameDue(uint32_t lastFrame, uint32_t now) { return lastFrame < now - kFrameGapMs; }

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(Window& window);
