// Records every game: from the click on the title that starts it, the state it starts from
// and every message the game handles, numbered by the frames run since the click; until
// the frame that ends the game-over pause.
#pragma once

#include <optional>

#include "app/Replay.h"
#include "platform/Window.h"

class PlayMode;

class GameRecorder {
public:
    // Hands a message to the window procedure, noting what the game needs of it.
    void Dispatch(Window& window, const Message& message);
    // After every frame that ran.
    void FrameRan();

    bool IsRecording() const { return recording_; }
    // The game that ended with the last frame, once; nothing when none did.
    std::optional<Replay> TakeFinished();
    // The game under way cut off where it stands, else the last one that ended.
    std::optional<Replay> TakeLatest();

private:
    void Begin(const PlayMode& play, const Message& click);
    void Note(const Message& message);
    void Finish(const PlayMode& play);

    bool recording_ = false;
    uint32_t frame_ = 0;
    Replay game_;
    std::optional<Replay> finished_;
};
