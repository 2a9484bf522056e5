// pebblor: the game on the desktop.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/DesktopFiles.h"
#include "app/DesktopGame.h"
#include "app/IconResources.h"
#include "app/Shell.h"
#include "app/WindowSettings.h"
#include "platform/FileSettingStore.h"
#include "platform/ProgramArguments.h"
#include "platform/sdl/DesktopPlatform.h"
#include "sound/WaveResources.h"

namespace {

// False when the text could not be written (a closed or full output).
bool Print(std::FILE* stream, const std::string& text) {
    return std::fputs(text.c_str(), stream) >= 0 && std::fflush(stream) == 0;
}

int Play(const std::optional<Replay>& firstReplay) {
    FileSettingStore settings(DefaultSettingsPath());
    const GameFiles files = DesktopGameFiles();
    CreateHighScoreFolder(files);
    DesktopOptions options;
    options.title = MainWindowTitle();
    options.menus = MainMenus();
    options.largeIcon = LoadIconResource(107);
    options.smallIcon = LoadIconResource(108);
    options.placement = StoredWindowPlacement(settings);
    options.scale = StoredDisplayScale(settings);
    options.clips = &FindWaveResource;

    std::string error;
    std::unique_ptr<DesktopPlatform> desktop = DesktopPlatform::Create(options, error);
    if (!desktop) {
        // Without a window there is no game: say why, and do not report success.
        std::fprintf(stderr, "pebblor: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    return RunDesktopGame(desktop->MainWindow(), desktop->SystemTime(), desktop->Audio(), settings,
                          files, firstReplay);
}

}  // namespace

int main(int argc, char** argv) {
    return RunDesktopProgram(
        CommandLine::Parse(ProgramArguments(argc, argv)),
        [](const std::string& text, bool isError) {
            return Print(isError ? stderr : stdout, text);
        },
        Play);
}
