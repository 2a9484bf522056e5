// pebblor-sim: the game, headless and deterministic, driven by a script.
#include <fstream>
#include <iostream>
#include <optional>

#include "SimOptions.h"
#include "SimRunner.h"
#include "SimScript.h"
#include "app/ReplayText.h"
#include "platform/ProgramArguments.h"
#include "platform/SaveReport.h"
#include "platform/Utf8Path.h"

int main(int argc, char** argv) {
    // Parsed from the arguments as UTF-8 text, whatever the system's code page.
    const std::vector<std::string> arguments = ProgramArguments(argc, argv);
    std::vector<const char*> argumentPointers{"pebblor-sim"};
    for (const std::string& argument : arguments) argumentPointers.push_back(argument.c_str());
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(int(argumentPointers.size()), argumentPointers.data(), options, error)) {
        std::cerr << "pebblor-sim: " << error << '\n' << kSimUsage;
        return 2;
    }
    if (options.help) {
        std::cout << kSimUsage;
        return 0;
    }
    std::vector<ScriptEvent> events;
    if (!options.scriptFile.empty()) {
        std::ifstream file;
        std::istream* in = &std::cin;
        if (options.scriptFile != "-") {
            file.open(PathFromUtf8(options.scriptFile));
            if (!file) {
                std::cerr << "pebblor-sim: cannot open script '" << options.scriptFile << "'\n";
                return 2;
            }
            in = &file;
        }
        if (!ParseSimScript(*in, events, error)) {
            std::cerr << "pebblor-sim: " << error << '\n';
            return 2;
        }
    }
    std::optional<Replay> replay;
    if (!options.replayFile.empty()) {
        replay.emplace();
        if (!LoadReplay(options.replayFile, *replay, error)) {
            std::cerr << "pebblor-sim: cannot run " << error << '\n';
            return 2;
        }
    }
    std::ofstream dumpFile;
    std::ostream* dump = nullptr;
    if (options.dumpFile == "-") {
        MakeStandardOutputBinary();
        dump = &std::cout;
    } else if (!options.dumpFile.empty()) {
        dumpFile.open(PathFromUtf8(options.dumpFile), std::ios::binary | std::ios::trunc);
        if (!dumpFile) {
            std::cerr << "pebblor-sim: cannot write dump '" << options.dumpFile << "'\n";
            return 1;
        }
        dump = &dumpFile;
    }
    // A save that fails leaves the run going, with one line about it.
    SaveReporter saveReporter(
        [](const std::string& text) { std::cerr << "pebblor-sim: " << text << '\n'; });
    InstallSaveReporter(&saveReporter);
    const int status =
        RunSimulation(options, std::move(events), replay ? &*replay : nullptr, dump, error);
    InstallSaveReporter(nullptr);
    if (status != 0) std::cerr << "pebblor-sim: " << error << '\n';
    return status;
}
