// Plays a replay's input back into the game: puts the game in the state the starting click
// found, then hands it each recorded message after the frame it came after. Running the
// frames is the caller's: the runner steps them, the desktop paces them.
#pragma once

#include <string>

#include "app/Replay.h"
#include "platform/Window.h"

class ReplayPlayer {
public:
    // `withSoundSwitch`: the recorded sound switch (the start's and the menu's) is followed;
    // otherwise the sound setting is left to whoever watches.
    ReplayPlayer(const Replay& replay, bool withSoundSwitch);

    // With the play mode on its title screen: sets the starting state and delivers the
    // events of frame 0, the starting click first. False, with the reason, when the game
    // cannot take the replay's state (nothing has changed then).
    bool Start(Window& window, std::string& error);
    // After each frame: delivers that frame's events.
    void FrameRan(Window& window);

    uint32_t FramesRun() const { return framesRun_; }
    bool IsOver() const { return framesRun_ >= replay_.frames; }
    const Replay& Played() const { return replay_; }

private:
    void DeliverEventsOf(Window& window, uint32_t frame);

    const Replay& replay_;
    bool withSoundSwitch_;
    size_t nextEvent_ = 0;
    uint32_t framesRun_ = 0;
};
