// The XDG folders: the variable when it names an absolute path, else under the home folder.
#include "platform/PlayerFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

constexpr const char* kGameFolder = "/pebblor";

// $HOME, or the account's home when that is unset; empty when neither is known.
std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] == '\0') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    return home != nullptr ? std::string(home) : std::string();
}

// The game's folder in the base folder the variable names; relative values are ignored, as
// the base directory rules ask.
std::string GameFolderIn(const char* variable, const char* underHome) {
    const char* base = std::getenv(variable);
    if (base != nullptr && base[0] == '/') return base + std::string(kGameFolder);
    const std::string home = HomeFolder();
    if (home.empty()) return std::string();
    return home + underHome + kGameFolder;
}

}  // namespace

std::string PlayerConfigFolder() { return GameFolderIn("XDG_CONFIG_HOME", "/.config"); }

std::string PlayerDataFolder() { return GameFolderIn("XDG_DATA_HOME", "/.local/share"); }

std::string PlayerFilesDescription() {
    return "The high score table and the replays are kept in $XDG_DATA_HOME/pebblor\n"
           "(~/.local/share/pebblor), the settings in $XDG_CONFIG_HOME/pebblor "
           "(~/.config/pebblor).\n";
}
