// Recorded messages go the way real ones went: to the current mode, then to the keys that
// freeze play. Focus changes only happened between frames, which the frame numbers already
// say, so they stop no frame here.
#include "app/ReplayPlayer.h"

#include "app/CurrentPlayMode.h"
#include "app/FrameDriver.h"
#include "app/ReplayState.h"
#include "app/WindowProcedure.h"
#include "play/PlayMode.h"
#include "sound/SoundPlayer.h"

ReplayPlayer::ReplayPlayer(const Replay& replay, bool withSoundSwitch)
    : replay_(replay), withSoundSwitch_(withSoundSwitch) {}

bool ReplayPlayer::Start(Window& window, std::string& error) {
    PlayMode* play = CurrentPlayMode();
    if (play == nullptr || play->screen != PlayScreen::Title) {
        error = "a replay starts from the title screen";
        return false;
    }
    if (!FitsSparkPools(replay_.start, error)) return false;
    ApplyReplayStart(*play, replay_.start, withSoundSwitch_);
    nextEvent_ = 0;
    framesRun_ = 0;
    DeliverEventsOf(window, 0);
    return true;
}

void ReplayPlayer::FrameRan(Window& window) {
    ++framesRun_;
    DeliverEventsOf(window, framesRun_);
}

void ReplayPlayer::DeliverEventsOf(Window& window, uint32_t frame) {
    for (; nextEvent_ < replay_.events.size() && replay_.events[nextEvent_].frame == frame;
         ++nextEvent_) {
        const ReplayEvent& event = replay_.events[nextEvent_];
        const Message message = MessageOf(event);
        switch (event.kind) {
            case ReplayEventKind::Activate:
                if (currentMode != nullptr) {
                    currentMode->HandleMessage(window, message.message, message.wParam,
                                               message.lParam);
                    ApplyModeTransition(window);
                }
                break;
            case ReplayEventKind::SoundSwitch:
                if (withSoundSwitch_) soundPlayer.enabled = !soundPlayer.enabled;
                break;
            default:
                GameWindowProcedure(window, message.message, message.wParam, message.lParam);
                break;
        }
    }
}
