// The runner's dump read line by line from a pipe.
#include "support/SimStream.h"

#include <sys/wait.h>

#include <cstdio>

#include "support/SimRun.h"

StreamedRun StreamSim(const std::vector<std::string>& arguments, const std::string& folder,
                      const std::function<void(const JsonValue&)>& visit) {
    const std::string command = SimCommand(folder, " --dump -", arguments);
    StreamedRun run;
    std::FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::string line;
    char buffer[65536];
    try {
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
            line += buffer;
            if (line.back() != '\n') continue;
            visit(JsonValue::Parse(line));
            ++run.states;
            line.clear();
        }
    } catch (...) {
        pclose(pipe);  // the runner is not left behind
        throw;
    }
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.errorText = ReadFile(folder + "/stderr.txt");
    return run;
}
