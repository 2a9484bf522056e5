// The viewer's controls, the mark, and putting the game back afterwards.
#include "app/ReplayPlayback.h"

#include <algorithm>

#include "app/CurrentPlayMode.h"
#include "app/FrameDriver.h"
#include "app/ReplayState.h"
#include "core/PauseState.h"
#include "gfx/DirtyRectSet.h"
#include "gfx/GameFonts.h"
#include "platform/FieldGeometry.h"
#include "play/PlayMode.h"

namespace {

constexpr int kFastFrames = 4;
constexpr int kMarkInset = 3;
constexpr ColorRef kMarkColour = 0x40C8FF;  // amber
constexpr ColorRef kShadowColour = 0x000000;
const char* const kMarkTexts[] = {"REPLAY", "REPLAY  paused", "REPLAY  x4"};

// Where the mark goes: the field's top-left corner, as wide as its longest text.
Rect MarkArea() {
    int width = 0;
    int height = 0;
    if (FontSmall != nullptr) {
        for (const char* text : kMarkTexts) width = std::max(width, FontSmall->MeasureWidth(text));
        height = FontSmall->CellHeight();
    }
    // One pixel more each way for the shadow.
    return Rect{kMarkInset, kMarkInset, kMarkInset + width + 1, kMarkInset + height + 1};
}

}  // namespace

std::unique_ptr<ReplayPlayback> ReplayPlayback::Start(Window& window, Replay replay,
                                                      std::string& error) {
    const PlayMode* play = CurrentPlayMode();
    if (play == nullptr || play->screen != PlayScreen::Title || frameDriver == nullptr) {
        error = "A replay can be watched from the title screen.";
        return nullptr;
    }
    std::unique_ptr<ReplayPlayback> playback(new ReplayPlayback(window, std::move(replay)));
    playback->before_ = CaptureReplayStart(*play);
    playback->pausedBefore_ = paused;
    playback->stepFramesBefore_ = stepFrames;
    playback->screenTimeBefore_ = play->screenTime;
    if (!playback->player_.Start(playback->events_, error)) return nullptr;
    playback->started_ = true;
    playback->PresentMark(window);
    return playback;
}

ReplayPlayback::ReplayPlayback(Window& window, Replay replay)
    : replay_(std::move(replay)),
      events_(window),
      player_(replay_, false),
      mark_(kFieldWidth, kFieldHeight) {}

ReplayPlayback::~ReplayPlayback() {
    events_.ForgetSurface(mark_);
    PlayMode* play = CurrentPlayMode();
    if (!started_ || play == nullptr) return;
    play->ClearField();
    play->ball = nullptr;
    play->dragAnchorX = kNoDrag;
    ApplyReplayStart(*play, before_, false);
    play->screen = PlayScreen::Title;
    play->screenTime = screenTimeBefore_;
    paused = pausedBefore_;
    stepFrames = stepFramesBefore_;
    dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
}

bool ReplayPlayback::Handle(Window& window, const Message& message) {
    switch (message.message) {
        case WM_LBUTTONDOWN:
            return false;
        case WM_KEYDOWN:
            if (message.wParam == VK_RIGHT && !fast_) {
                fast_ = true;
                PresentMark(window);
            }
            return true;
        case WM_KEYUP:
            if (message.wParam == VK_ESCAPE) return false;
            if (message.wParam == VK_RIGHT) fast_ = false;
            if (message.wParam == VK_SPACE) held_ = !held_;
            if (message.wParam == VK_F6) {
                held_ = true;
                stepsDue_ = 1;
            }
            PresentMark(window);
            return true;
        case WM_ACTIVATE:
            // A released arrow is not heard while another window has the keyboard.
            if (LowWord(message.wParam) == WA_INACTIVE) fast_ = false;
            window.Dispatch(message);
            return true;
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR:
            return true;
        default:
            window.Dispatch(message);
            return true;
    }
}

bool ReplayPlayback::Tick(Window& window) {
    const int frames = held_ ? stepsDue_ : fast_ ? kFastFrames : 1;
    stepsDue_ = 0;
    RunFrames(window, frames);
    return !player_.IsOver();
}

void ReplayPlayback::RunFrames(Window& window, int count) {
    if (count == 0) return;
    for (int i = 0; i < count && !player_.IsOver() && frameDriver != nullptr; ++i) {
        frameDriver->RunFrame();
        ApplyModeTransition(window);
        player_.FrameRan(events_);
    }
    PresentMark(window);
}

void ReplayPlayback::PresentMark(Window& window) {
    if (frameDriver == nullptr || FontSmall == nullptr) return;
    const Rect area = MarkArea();
    DrawContext dc(mark_);
    dc.Copy(frameDriver->BackBuffer(), area.left, area.top, area.Width(), area.Height(), area.left,
            area.top);
    dc.SetClip(area);
    const char* text = kMarkTexts[held_ ? 1 : fast_ ? 2 : 0];
    const Rect textArea{area.left, area.top, area.right - 1, area.bottom - 1};
    dc.SetTextColour(kShadowColour);
    const Rect shadowArea{textArea.left + 1, textArea.top + 1, area.right, area.bottom};
    FontSmall->DrawText(dc, text, shadowArea, DT_LEFT | DT_SINGLELINE);
    dc.SetTextColour(kMarkColour);
    FontSmall->DrawText(dc, text, textArea, DT_LEFT | DT_SINGLELINE);
    const Rect shown[] = {area};
    window.Present(mark_, shown, nullptr);
}
