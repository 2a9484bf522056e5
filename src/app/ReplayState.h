// Taking the starting state of a replay from the running game and putting it back.
#pragma once

#include <string>

#include "app/Replay.h"

class PlayMode;

// The state the play mode and the shared play record are in now.
ReplayStart CaptureReplayStart(const PlayMode& play);

// Whether the game's spark pools can hold the start's sparks; the reason when not.
bool FitsSparkPools(const ReplayStart& start, std::string& error);

// Puts the game in that state: the generator, the gem seed, the table, the sparks and what
// the game before left behind. The sound switch too, when `withSoundSwitch`: a viewer's own
// setting otherwise stays. Call FitsSparkPools first.
void ApplyReplayStart(PlayMode& play, const ReplayStart& start, bool withSoundSwitch);

// What the game shows now, as a replay's end line keeps it.
ReplayResult ResultOf(const PlayMode& play);
