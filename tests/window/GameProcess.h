// The game as a child process, run in an empty scratch folder of its own with its own
// settings and data folders, so a test leaves nothing behind in the build or the user's
// folders, and sees every file the game writes.
#pragma once

#include <sys/types.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class GameProcess {
public:
    // Starts the program in a fresh empty folder, with XDG_CONFIG_HOME and XDG_DATA_HOME
    // pointing at fresh folders of their own; the high score table there is `highScores`,
    // by default empty, so the title shows no initials (the default table, for a table not
    // found, has some). Null, with the reason, on failure.
    static std::unique_ptr<GameProcess> Start(const std::string& program, std::string& error,
                                              const std::string& highScores = "");
    // Kills the game if it still runs and removes the scratch folders.
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // A file in the game's data folder ("hiscores.dat", "replays/last.replay").
    std::string DataPath(const std::string& name) const;
    // Every file in the game's folders, as "run/...", "config/..." or "data/...", sorted.
    std::vector<std::string> FilesInItsFolders() const;

    // The raw wait status once the game has ended (kept for later calls); nothing if it still
    // runs after limitMs.
    std::optional<int> WaitForExit(int limitMs);

private:
    explicit GameProcess(std::string scratch) : scratch_(std::move(scratch)) {}

    std::string scratch_;
    pid_t pid_ = -1;
    std::optional<int> exitStatus_;  // once reaped
};
