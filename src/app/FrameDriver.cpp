// One frame, the mode stack and its transitions.
#include "app/FrameDriver.h"

#include <new>

#include "core/PauseState.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "platform/Clock.h"
#include "platform/FieldGeometry.h"
#include "play/PlayMode.h"

ObjectStack modeStack;
GameMode* currentMode = nullptr;
GameMode* nextMode = nullptr;
FrameDriver* frameDriver = nullptr;
int windowInactive = 0;

namespace {

void ShowFailure(Window& window, const char* text) {
    window.ShowMessageBox("Game Failure", text);
    window.Destroy();
}

}  // namespace

FrameDriver::FrameDriver(Window& window, const std::string& highScoreFile)
    : window_(window),
      backBuffer_(kFieldWidth, kFieldHeight),
      recorder_(backBuffer_),
      backBufferDC_(backBuffer_) {
    backBufferDC_.SetRecorder(&recorder_);
    gemSeed = timeGetTime();
    randomGenerator.Seed(gemSeed);
    gemSeed = uint32_t(Random());

    currentMode = new (std::nothrow) PlayMode(1, "PRIMARY_MODE", highScoreFile);
    if (currentMode != nullptr) {
        modeStack.Push(currentMode);
        currentMode->Activate();
    }
    stepFrames = 0;
    paused = 0;
}

FrameDriver::~FrameDriver() {
    window_.ForgetSurface(backBuffer_);
    currentMode = static_cast<GameMode*>(modeStack.Top());
    if (currentMode != nullptr) currentMode->Deactivate();
    while (currentMode != nullptr) {
        delete modeStack.Pop();
        currentMode = static_cast<GameMode*>(modeStack.Top());
    }
}

void FrameDriver::RunFrame() {
    if (currentMode == nullptr) return;
    currentMode->Update();
    backBufferDC_.SetClip(DirtyRectSet::fullScreenRegion);
    dirtyRects.BeginFrame();
    currentMode->Draw(backBufferDC_);
    recorder_.Finish();
    dirtyRects.EndFrame();
    presentedCount_ = 0;
    for (const Rect* r = dirtyRects.FirstDirtyRect(dirtyRects.present, nullptr); r != nullptr;
         r = dirtyRects.NextDirtyRect(dirtyRects.present, nullptr)) {
        presented_[presentedCount_++] = *r;
    }
    const TileChanges changes = recorder_.Changes();
    window_.Present(backBuffer_, LastPresented(), &changes);
}

void FrameDriver::TogglePause() { paused = 1 - paused; }

void ApplyModeTransition(Window& window) {
    if (currentMode == nullptr || currentMode->transition == kTransitionNone) return;
    if (currentMode->transition == kTransitionPush) {
        currentMode->Deactivate();
        if (nextMode != nullptr) {
            modeStack.Push(nextMode);
        } else {
            // The current mode stays on the stack and is activated again below.
            currentMode->transition = kTransitionNone;
            ShowFailure(window, "No new game mode; expected one!");
        }
    } else if (currentMode->transition == kTransitionPop) {
        GameMode* leaving = static_cast<GameMode*>(modeStack.Pop());
        if (leaving != nullptr) leaving->Deactivate();
        delete leaving;
        // Updated before anything can pump messages, so nothing reaches the deleted mode.
        currentMode = static_cast<GameMode*>(modeStack.Top());
        if (nextMode != nullptr) modeStack.Push(nextMode);
        if (modeStack.Top() == nullptr) {
            ShowFailure(window, "No game mode on stack; expected one!");
        }
    } else {
        return;
    }
    currentMode = static_cast<GameMode*>(modeStack.Top());
    if (currentMode != nullptr) {
        currentMode->Activate();
        currentMode->transition = kTransitionNone;
        dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
    }
}
