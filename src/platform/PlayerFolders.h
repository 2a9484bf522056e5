// The current user's folders for the game's own files: by the XDG base directory rules on
// POSIX systems, the roaming application data on Windows (whose settings are the registry's).
#pragma once

#include <string>

// "$XDG_CONFIG_HOME/pebblor" (settings), or "~/.config/pebblor" when that variable is unset
// or not absolute; empty when no home folder is known either. POSIX systems only.
std::string PlayerConfigFolder();

// "$XDG_DATA_HOME/pebblor" (high scores), or "~/.local/share/pebblor" likewise; on Windows
// "%APPDATA%\Pebblor".
std::string PlayerDataFolder();

// Where the player's files and settings are kept, in a few lines for the usage text.
std::string PlayerFilesDescription();
