// The game in a desktop window, whatever the backend: from start-up to the window's end.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/CommandLine.h"
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

// Shows a text to the player, on the error channel when isError; false when it could not be.
using ShowText = std::function<bool(const std::string& text, bool isError)>;
// Answers what the command line asks: help, the version or a refusal are shown; otherwise
// play runs, given the named replay, read here, to watch first. Returns the exit code.
int RunDesktopProgram(const CommandLine& commandLine, const ShowText& show,
                      const std::function<int(const std::optional<Replay>&)>& play);
