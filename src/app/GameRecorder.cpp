// What a game keeps of each message, and where a game begins and ends.
#include "app/GameRecorder.h"

#include "app/CurrentPlayMode.h"
#include "app/ReplayState.h"
#include "play/PlayMode.h"

namespace {

// Enough for a long game's events, so that recording seldom grows the list in play.
constexpr size_t kEventsReserved = 4096;

// Mouse positions travel as 16-bit words; left of or above the field they are negative.
int32_t Coordinate(uint16_t word) { return int16_t(word); }

}  // namespace

void GameRecorder::Dispatch(Window& window, const Message& message) {
    const PlayMode* before = CurrentPlayMode();
    const bool onTitle = before != nullptr && before->screen == PlayScreen::Title;
    window.Dispatch(message);
    const PlayMode* play = CurrentPlayMode();
    if (message.message == WM_LBUTTONDOWN && onTitle && play == before &&
        play->screen == PlayScreen::Playing) {
        Begin(*play, message);
    } else if (recording_) {
        Note(message);
    }
}

void GameRecorder::FrameRan() {
    if (!recording_) return;
    ++frame_;
    const PlayMode* play = CurrentPlayMode();
    if (play == nullptr || frame_ > kMostReplayFrames) {
        // Too long to keep, or the game is gone.
        recording_ = false;
        return;
    }
    if (play->screen != PlayScreen::Playing && play->screen != PlayScreen::GameOver) Finish(*play);
}

std::optional<Replay> GameRecorder::TakeFinished() {
    std::optional<Replay> finished = std::move(finished_);
    finished_.reset();
    return finished;
}

std::optional<Replay> GameRecorder::TakeLatest() {
    const PlayMode* play = CurrentPlayMode();
    if (recording_ && play != nullptr) Finish(*play);
    return TakeFinished();
}

void GameRecorder::Begin(const PlayMode& play, const Message& click) {
    // The click left everything the header keeps as it found it.
    game_ = Replay{};
    game_.gameVersion = PEBBLOR_VERSION;
    game_.start = CaptureReplayStart(play);
    game_.events.reserve(kEventsReserved);
    frame_ = 0;
    recording_ = true;
    Note(click);
}

void GameRecorder::Note(const Message& message) {
    ReplayEvent event{frame_, ReplayEventKind::Paint, 0, 0};
    const auto lParam = uintptr_t(message.lParam);
    switch (message.message) {
        case WM_LBUTTONDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
            event.kind = message.message == WM_LBUTTONDOWN ? ReplayEventKind::Down
                         : message.message == WM_LBUTTONUP ? ReplayEventKind::Up
                                                           : ReplayEventKind::Move;
            event.a = Coordinate(LowWord(lParam));
            event.b = Coordinate(HighWord(lParam));
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (message.wParam > 255) return;
            event.kind =
                message.message == WM_KEYDOWN ? ReplayEventKind::KeyDown : ReplayEventKind::KeyUp;
            event.a = int32_t(message.wParam);
            break;
        case WM_ACTIVATE:
            event.kind = ReplayEventKind::Activate;
            event.a = LowWord(message.wParam) != WA_INACTIVE ? 1 : 0;
            break;
        case WM_PAINT:
            break;
        case WM_COMMAND:
            // Of the menu, only the sound item touches the game.
            if (LowWord(message.wParam) != IDM_SOUND) return;
            event.kind = ReplayEventKind::SoundSwitch;
            event.a = IDM_SOUND;
            break;
        default:
            return;
    }
    // A move places the ball afresh: of moves in a row, only the last one counts.
    if (event.kind == ReplayEventKind::Move && !game_.events.empty() &&
        game_.events.back().kind == ReplayEventKind::Move && game_.events.back().frame == frame_) {
        game_.events.back() = event;
        return;
    }
    game_.events.push_back(event);
}

void GameRecorder::Finish(const PlayMode& play) {
    game_.frames = frame_;
    game_.result = ResultOf(play);
    finished_ = std::move(game_);
    game_ = Replay{};
    recording_ = false;
}
