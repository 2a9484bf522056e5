// Watching a replay in the window: the recorded game runs frame by frame as it was played,
// with a small "REPLAY" mark laid over what the window shows (never into the game's
// picture). Space pauses, F6 steps one frame, the right arrow held plays four frames a
// frame, Esc or a click ends it. When it ends, the game is put back as it was, its high
// score table included, on the title screen.
#pragma once

#include <memory>
#include <string>

#include "app/PlaybackWindow.h"
#include "app/Replay.h"
#include "app/ReplayPlayer.h"
#include "platform/Surface.h"

class ReplayPlayback {
public:
    // Starts watching from the title screen; null, with the reason, when it cannot.
    static std::unique_ptr<ReplayPlayback> Start(Window& window, Replay replay, std::string& error);
    // Puts the game back as it was when watching began, on the title screen (the title's
    // tune is the caller's to start, when the game goes on).
    ~ReplayPlayback();
    ReplayPlayback(const ReplayPlayback&) = delete;
    ReplayPlayback& operator=(const ReplayPlayback&) = delete;

    // A message from whoever watches: the controls are taken here, the window's own
    // business (painting, focus, the menu's commands) goes on to the game. False once the
    // message ends the watching.
    bool Handle(Window& window, const Message& message);
    // A frame is due: runs as many as the controls say. False once the replay is over.
    bool Tick(Window& window);

private:
    explicit ReplayPlayback(Window& window, Replay replay);
    void RunFrames(Window& window, int count);
    void PresentMark(Window& window);

    Replay replay_;
    PlaybackWindow events_;
    ReplayPlayer player_;
    bool started_ = false;
    // The game as it was before, put back at the end.
    ReplayStart before_;
    int pausedBefore_ = 0;
    int stepFramesBefore_ = 0;
    int screenTimeBefore_ = 0;
    // The controls.
    bool held_ = false;  // paused by whoever watches
    bool fast_ = false;
    int stepsDue_ = 0;
    Surface mark_;  // the back buffer's corner with the mark over it
};
