// Running the headless runner as a separate process.
#include "support/SimRun.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The folders this test program made; they go when it ends.
struct MadeFolders {
    std::set<fs::path> paths;
    ~MadeFolders() {
        std::error_code ignored;
        for (const fs::path& path : paths) fs::remove_all(path, ignored);
    }
};
MadeFolders madeFolders;

}  // namespace

std::string MakeTempFolder(const std::string& name) {
    const fs::path folder =
        fs::temp_directory_path() / ("pebblor-" + name + "-" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    madeFolders.paths.insert(folder);
    return folder.string();
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string SimProgram() {
    return SimIsNative() ? ShellQuote(PEBBLOR_SIM_PATH)
                         : std::string(std::getenv("PEBBLOR_SIM_COMMAND"));
}

bool SimIsNative() {
    const char* other = std::getenv("PEBBLOR_SIM_COMMAND");
    return other == nullptr || *other == '\0';
}

std::string ShellQuote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string SimCommand(const std::string& folder, const std::string& options,
                       const std::vector<std::string>& arguments, const std::string& launcher) {
    std::string command =
        "cd " + ShellQuote(folder) + " && " + launcher + ' ' + SimProgram() + options;
    for (const std::string& argument : arguments) command += ' ' + ShellQuote(argument);
    return command + " 2> stderr.txt";
}

SimResult RunSim(const std::vector<std::string>& arguments, const std::string& script,
                 const std::string& folderGiven, const std::string& launcher) {
    const std::string folder = folderGiven.empty() ? MakeTempFolder("sim") : folderGiven;
    std::string options = " --dump dump.jsonl";
    if (!script.empty()) {
        std::ofstream(fs::path(folder) / "script.txt") << script;
        options += " --script script.txt";
    }
    const std::string command = SimCommand(folder, options, arguments, launcher);
    SimResult result;
    const int raw = std::system(command.c_str());
    result.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    result.errorText = ReadFile(folder + "/stderr.txt");
    std::istringstream lines(ReadFile(folder + "/dump.jsonl"));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty()) result.dump.push_back(JsonValue::Parse(line));
    }
    return result;
}
