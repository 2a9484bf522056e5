// pebblor.exe: the game on Windows.
#include <memory>
#include <optional>
#include <string>

#include "app/CommandLine.h"
#include "app/DesktopFiles.h"
#include "app/DesktopGame.h"
#include "app/ReplayText.h"
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
    const CommandLine commandLine = CommandLine::Parse(ProgramArguments(argc, argv));
    switch (commandLine.WhatToDo()) {
        case CommandLine::Action::ShowHelp:
            ShowProgramText(UsageText(), false);
            return 0;
        case CommandLine::Action::ShowVersion:
            ShowProgramText(VersionText(), false);
            return 0;
        case CommandLine::Action::Refuse:
            ShowProgramText("pebblor: " + commandLine.Problem() + "\n" + UsageText(), true);
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    std::optional<Replay> replay;
    if (!commandLine.ReplayFile().empty()) {
        std::string error;
        replay.emplace();
        if (!LoadReplay(commandLine.ReplayFile(), *replay, error)) {
            ShowProgramText("pebblor: cannot watch " + error + "\n", true);
            return 1;
        }
    }
    return Play(replay);
}
