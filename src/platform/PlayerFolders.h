// The current user's folders for the game's own files, by the XDG base directory rules.
#pragma once

#include <string>

// "$XDG_CONFIG_HOME/pebblor" (settings), or "~/.config/pebblor" when that variable is unset
// or not absolute; empty when no home folder is known either.
std::string PlayerConfigFolder();

// "$XDG_DATA_HOME/pebblor" (high scores), or "~/.local/share/pebblor" likewise.
std::string PlayerDataFolder();
