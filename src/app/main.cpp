// pebblor: the game on the desktop.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "app/DesktopFiles.h"
#include "app/DesktopReplays.h"
#include "app/GameSession.h"
#include "app/IconResources.h"
#include "app/MessageLoop.h"
#include "app/ReplayText.h"
#include "app/Shell.h"
#include "app/WindowSettings.h"
#include "platform/Clock.h"
#include "platform/Cp1252.h"
#include "platform/FileSettingStore.h"
#include "platform/SaveReport.h"
#include "platform/sdl/DesktopPlatform.h"

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

    std::string error;
    std::unique_ptr<DesktopPlatform> desktop = DesktopPlatform::Create(options, error);
    if (!desktop) {
        // Without a window there is no game: say why, and do not report success.
        std::fprintf(stderr, "pebblor: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    InstallClock(&desktop->SystemTime());
    // A save that fails is told in a box over the game, which goes on with what it holds.
    SaveReporter saveReporter([&desktop](const std::string& text) {
        desktop->MainWindow().ShowMessageBox("Pebblor", Windows1252FromUtf8(text));
    });
    InstallSaveReporter(&saveReporter);
    int exitCode = 0;
    {
        Window& window = desktop->MainWindow();
        GameSession session(window, desktop->Audio(), settings, files);
        // A replay that cannot be kept is skipped, with a line: the game goes on.
        DesktopReplays replays(window, DesktopReplayFolder(), [](const std::string& text) {
            std::fprintf(stderr, "pebblor: %s\n", text.c_str());
        });
        if (firstReplay) replays.Watch(window, *firstReplay);
        exitCode = RunMessageLoop(window, replays);
    }
    InstallSaveReporter(nullptr);
    InstallClock(nullptr);
    return exitCode;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine commandLine =
        CommandLine::Parse(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    switch (commandLine.WhatToDo()) {
        case CommandLine::Action::ShowHelp:
            return Print(stdout, UsageText()) ? 0 : 1;
        case CommandLine::Action::ShowVersion:
            return Print(stdout, VersionText()) ? 0 : 1;
        case CommandLine::Action::Refuse:
            Print(stderr, "pebblor: " + commandLine.Problem() + "\n" + UsageText());
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    std::optional<Replay> replay;
    if (!commandLine.ReplayFile().empty()) {
        std::string error;
        replay.emplace();
        if (!LoadReplay(commandLine.ReplayFile(), *replay, error)) {
            Print(stderr, "pebblor: cannot watch " + error + "\n");
            return 1;
        }
    }
    return Play(replay);
}
