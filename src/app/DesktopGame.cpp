// The clock, the save reporter and the replays installed around the session and its loop.
#include "app/DesktopGame.h"

#include <cstdio>
#include <string>

#include "app/DesktopFiles.h"
#include "app/DesktopReplays.h"
#include "app/GameSession.h"
#include "app/MessageLoop.h"
#include "app/ReplayText.h"
#include "platform/Cp1252.h"
#include "platform/SaveReport.h"

int RunDesktopGame(Window& window, Clock& clock, AudioDevice& audio, SettingStore& settings,
                   const GameFiles& files, const std::optional<Replay>& firstReplay) {
    InstallClock(&clock);
    SaveReporter saveReporter([&window](const std::string& text) {
        window.ShowMessageBox("Pebblor", Windows1252FromUtf8(text));
    });
    InstallSaveReporter(&saveReporter);
    int exitCode = 0;
    {
        GameSession session(window, audio, settings, files);
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

int RunDesktopProgram(const CommandLine& commandLine, const ShowText& show,
                      const std::function<int(const std::optional<Replay>&)>& play) {
    switch (commandLine.WhatToDo()) {
        case CommandLine::Action::ShowHelp:
            return show(UsageText(), false) ? 0 : 1;
        case CommandLine::Action::ShowVersion:
            return show(VersionText(), false) ? 0 : 1;
        case CommandLine::Action::Refuse:
            show("pebblor: " + commandLine.Problem() + "\n" + UsageText(), true);
            return 2;
        case CommandLine::Action::Play:
            break;
    }
    std::optional<Replay> replay;
    if (!commandLine.ReplayFile().empty()) {
        std::string error;
        replay.emplace();
        if (!LoadReplay(commandLine.ReplayFile(), *replay, error)) {
            show("pebblor: cannot watch " + error + "\n", true);
            return 1;
        }
    }
    return play(replay);
}
