// Starting, watching and ending the game process, and its scratch folders.
#include "GameProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string RunFolderOf(const std::string& scratch) { return scratch + "/run"; }
std::string ConfigFolderOf(const std::string& scratch) { return scratch + "/config"; }
std::string DataFolderOf(const std::string& scratch) { return scratch + "/data"; }

// This process's environment with the player's folders replaced.
std::vector<std::string> GameEnvironment(const std::string& scratch) {
    const std::string config = "XDG_CONFIG_HOME=";
    const std::string data = "XDG_DATA_HOME=";
    std::vector<std::string> variables;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, config.c_str(), config.size()) != 0 &&
            std::strncmp(*entry, data.c_str(), data.size()) != 0) {
            variables.push_back(*entry);
        }
    }
    variables.push_back(config + ConfigFolderOf(scratch));
    variables.push_back(data + DataFolderOf(scratch));
    return variables;
}

}  // namespace

std::unique_ptr<GameProcess> GameProcess::Start(const std::string& program, std::string& error,
                                                const std::string& highScores) {
    std::string pattern = (fs::temp_directory_path() / "pebblor-game-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        error = std::string("cannot make a scratch folder: ") + std::strerror(errno);
        return nullptr;
    }
    std::unique_ptr<GameProcess> game(new GameProcess(pattern));
    const std::string runFolder = RunFolderOf(game->scratch_);
    const std::string tableFolder = DataFolderOf(game->scratch_) + "/pebblor";
    std::error_code failure;
    fs::create_directory(runFolder, failure);
    fs::create_directory(ConfigFolderOf(game->scratch_), failure);
    fs::create_directories(tableFolder, failure);
    if (failure) {
        error = "cannot make the game's folders: " + failure.message();
        return nullptr;
    }
    if (!(std::ofstream(tableFolder + "/hiscores.dat", std::ios::binary) << highScores)) {
        error = "cannot write the high score table into " + tableFolder;
        return nullptr;
    }

    // Everything the child needs is made before the fork.
    const std::vector<std::string> variables = GameEnvironment(game->scratch_);
    std::vector<char*> environment;
    for (const std::string& variable : variables) {
        environment.push_back(const_cast<char*>(variable.c_str()));
    }
    environment.push_back(nullptr);
    char* const arguments[] = {const_cast<char*>(program.c_str()), nullptr};

    const pid_t pid = fork();
    if (pid < 0) {
        error = std::string("cannot fork: ") + std::strerror(errno);
        return nullptr;
    }
    if (pid == 0) {
        // Nothing the game needs is in the current folder, and nothing should come there.
        if (chdir(runFolder.c_str()) == 0) execve(program.c_str(), arguments, environment.data());
        _exit(127);
    }
    game->pid_ = pid;
    return game;
}

GameProcess::~GameProcess() {
    if (pid_ > 0 && !exitStatus_) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(scratch_, ignored);
}

std::string GameProcess::DataPath(const std::string& name) const {
    return DataFolderOf(scratch_) + "/pebblor/" + name;
}

std::vector<std::string> GameProcess::FilesInItsFolders() const {
    std::vector<std::string> files;
    std::error_code failure;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(scratch_, failure)) {
        if (!entry.is_directory()) files.push_back(fs::relative(entry.path(), scratch_).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<int> GameProcess::WaitForExit(int limitMs) {
    if (exitStatus_ || pid_ <= 0) return exitStatus_;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exitStatus_ = status;
            return exitStatus_;
        }
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}
