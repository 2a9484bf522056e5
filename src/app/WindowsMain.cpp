// pebblor.exe: the game on Windows.
#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/DesktopFiles.h"
#include "app/DesktopGame.h"
#include "app/Shell.h"
#include "app/WindowSettings.h"
#include "platform/ProgramArguments.h"
#include "platform/win32/Win32Platform.h"

namespace {

int Play(const std::optional<Replay>& firstReplay) {
    const std::unique_ptr<SettingStore> settings = OpenPlayerSettings();
    const GameFiles files = DesktopGameFiles();
    CreateHighScoreFolder(files);
    Win32PlatformOptions options;
    options.title = MainWindowTitle();
    options.placement = StoredWindowPlacement(*settings);
    options.scale = StoredDisplayScale(*settings);

    std::string error;
    std::unique_ptr<Win32Platform> platform = Win32Platform::Create(options, error);
    if (!platform) {
        // Without a window there is no game: say why, and do not report success.
        ShowProgramText("pebblor: cannot open the game window: " + error + "\n", true);
        return 1;
    }
    return RunDesktopGame(platform->MainWindow(), platform->SystemTime(), platform->Audio(),
                          *settings, files, firstReplay);
}

}  // namespace

int main(int argc, char** argv) {
    return RunDesktopProgram(
        CommandLine::Parse(ProgramArguments(argc, argv)),
        [](const std::string& text, bool isError) {
            ShowProgramText(text, isError);
            return true;
        },
        Play);
}
