// The game in a desktop window, whatever the backend: from start-up to the window's end.
#pragma once

#include <optional>

#include "app/GameFiles.h"
#include "app/Replay.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/SettingStore.h"
#include "platform/Window.h"

// Runs the game on these services until the window closes and returns the exit code, first
// watching `firstReplay` when there is one. Every game is recorded and kept in the player's
// replays folder. A save that fails is told in a box over the game, which plays on with what
// it holds.
int RunDesktopGame(Window& window, Clock& clock, AudioDevice& audio, SettingStore& settings,
                   const GameFiles& files, const std::optional<Replay>& firstReplay);
