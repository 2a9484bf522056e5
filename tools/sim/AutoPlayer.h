// A deterministic player for soak runs and benchmarks: starts games, aims the resting ball
// at the lowest gem and lets go, and types initials after a high score.
#pragma once

#include <vector>

#include "platform/Messages.h"

class PlayMode;

class AutoPlayer {
public:
    // The messages to deliver after this step's frame, chosen from what the play mode shows.
    const std::vector<Message>& Act(const PlayMode& play);

private:
    void Aim(const PlayMode& play);

    enum class Phase { Idle, Pulling, Letting };
    Phase phase_ = Phase::Idle;
    int pullX_ = 0;
    int pullY_ = 0;
    int typed_ = 0;
    std::vector<Message> messages_;
};
