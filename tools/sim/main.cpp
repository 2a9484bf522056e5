// pebblor-sim: the game, headless and deterministic, driven by a script.
#include <fstream>
#include <iostream>
#include <optional>

#include "SimOptions.h"
#include "SimRunner.h"
#include "SimScript.h"
#include "app/ReplayText.h"
#include "platform/SaveReport.h"

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, error)) {
        std::cerr << "pebblor-sim: " << error << '\n' << kSimUsage;
        return 2;
    }
    std::vector<ScriptEvent> events;
    if (!options.scriptFile.empty()) {
        std::ifstream file;
        std::istream* in = &std::cin;
        if (options.scriptFile != "-") {
            file.open(options.scriptFile);
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
        dump = &std::cout;
    } else if (!options.dumpFile.empty()) {
        dumpFile.open(options.dumpFile, std::ios::binary | std::ios::trunc);
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
