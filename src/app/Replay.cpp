// Replay events as the window messages they were.
#include "app/Replay.h"

Message MessageOf(const ReplayEvent& event) {
    switch (event.kind) {
        case ReplayEventKind::Down:
            return Message{WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(event.a, event.b)};
        case ReplayEventKind::Move:
            return Message{WM_MOUSEMOVE, MK_LBUTTON, MakeMouseLParam(event.a, event.b)};
        case ReplayEventKind::Up:
            return Message{WM_LBUTTONUP, 0, MakeMouseLParam(event.a, event.b)};
        case ReplayEventKind::KeyDown:
            return Message{WM_KEYDOWN, uintptr_t(event.a), 0};
        case ReplayEventKind::KeyUp:
            return Message{WM_KEYUP, uintptr_t(event.a), 0};
        case ReplayEventKind::Activate:
            return Message{WM_ACTIVATE, event.a != 0 ? WA_ACTIVE : WA_INACTIVE, 0};
        case ReplayEventKind::Paint:
            return Message{WM_PAINT, 0, 0};
        case ReplayEventKind::SoundSwitch:
            return Message{WM_COMMAND, uintptr_t(IDM_SOUND), 0};
    }
    return Message{};
}

std::string DescribeResult(const ReplayResult& result) {
    return "score " + std::to_string(result.score) + " level " + std::to_string(result.level) +
           " shots " + std::to_string(result.shotsFired) + " high-score " +
           std::to_string(result.madeHighScore);
}
