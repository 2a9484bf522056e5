// The game as a child process, run in a scratch folder of its own with its own settings and
// data folders, so a test leaves nothing behind in the build or the user's own folders.
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>

class GameProcess {
public:
    // Copies the bitmaps of artFolder into a fresh folder and starts the program there, with
    // XDG_CONFIG_HOME and XDG_DATA_HOME pointing at fresh folders. Null, with the reason, on
    // failure.
    static std::unique_ptr<GameProcess> Start(const std::string& program,
                                              const std::string& artFolder, std::string& error);
    // Kills the game if it still runs and removes the scratch folders.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const { return pid_; }
    std::string SettingsPath() const;
    // The settings file's contents; empty when there is none yet.
    std::string SettingsText() const;

    // The raw wait status once the game has ended (kept for later calls); nothing if it still
    // runs after limitMs.
    std::optional<int> WaitForExit(int limitMs);
    // Processor time used so far (user and system), in seconds; nothing once it has ended.
    std::optional<double> CpuSeconds() const;

private:
    explicit GameProcess(std::string scratch) : scratch_(std::move(scratch)) {}

    std::string scratch_;
    pid_t pid_ = -1;
    std::optional<int> exitStatus_;  // once reaped
};
