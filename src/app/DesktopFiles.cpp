// The desktop game's folders, from the program's location and the player's folders.
#include "app/DesktopFiles.h"

#include <filesystem>

#include "platform/ExecutableFolder.h"
#include "platform/PlayerFolders.h"
#include "platform/Utf8Path.h"

namespace fs = std::filesystem;

const char* const kInstalledArtFromProgram = PEBBLOR_ART_FROM_PROGRAM;

std::string ArtFolderBeside(const std::string& programFolder) {
    if (programFolder.empty()) return std::string();
    const fs::path installed =
        (PathFromUtf8(programFolder) / kInstalledArtFromProgram).lexically_normal();
    std::error_code failure;
    return fs::is_directory(installed, failure) ? Utf8FromPath(installed) : programFolder;
}

GameFiles DesktopGameFiles() {
    GameFiles files;
    files.artFolder = ArtFolderBeside(ExecutableFolder());
    const std::string dataFolder = PlayerDataFolder();
    files.highScoreFile = dataFolder.empty()
                              ? std::string()
                              : Utf8FromPath(PathFromUtf8(dataFolder) / kHighScoreFileName);
    return files;
}

std::string DesktopReplayFolder() {
    const std::string dataFolder = PlayerDataFolder();
    return dataFolder.empty() ? std::string() : Utf8FromPath(PathFromUtf8(dataFolder) / "replays");
}

void CreateHighScoreFolder(const GameFiles& files) {
    const fs::path folder = PathFromUtf8(files.highScoreFile).parent_path();
    std::error_code failure;
    if (!folder.empty()) fs::create_directories(folder, failure);
}
