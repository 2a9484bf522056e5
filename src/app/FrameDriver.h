// The frame driver: owns the back buffer, runs one frame of the current mode and presents
// what changed; the mode stack and its transitions; whether the window is inactive.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/GameMode.h"
#include "core/ObjectList.h"
#include "gfx/DirtyRectSet.h"
#include "platform/DrawContext.h"
#include "platform/FrameRecorder.h"
#include "platform/Surface.h"
#include "platform/Window.h"

class FrameDriver {
public:
    // Seeds the random generators from the clock, creates the back buffer and the play mode,
    // which keeps its high score table in highScoreFile.
    FrameDriver(Window& window, const std::string& highScoreFile);
    // Deactivates the top mode and deletes every mode.
    ~FrameDriver();
    FrameDriver(const FrameDriver&) = delete;
    FrameDriver& operator=(const FrameDriver&) = delete;

    void RunFrame();
    void TogglePause();

    const Surface& BackBuffer() const { return backBuffer_; }
    // The rectangles the last frame presented.
    std::span<const Rect> LastPresented() const { return {presented_.data(), presentedCount_}; }

private:
    Window& window_;
    Surface backBuffer_;
    // The back buffer is drawn through it: a frame redraws only the tiles that change.
    FrameRecorder recorder_;
    DrawContext backBufferDC_;
    std::array<Rect, kTileCount> presented_{};
    size_t presentedCount_ = 0;
};

// Carries out the transition the current mode asked for; `window` owns any failure box.
void ApplyModeTransition(Window& window);

extern ObjectStack modeStack;
extern GameMode* currentMode;
extern GameMode* nextMode;
extern FrameDriver* frameDriver;
extern int windowInactive;
