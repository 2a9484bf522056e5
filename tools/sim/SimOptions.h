// The headless runner's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct PngRequest {
    int step = 0;
    std::string file;
};

struct SimOptions {
    uint32_t clock = 1000;
    std::string scriptFile;     // empty: no script; "-": standard input
    std::optional<long> steps;  // default: the last scripted step + 1, at least 1
    std::string dumpFile;       // empty: no dump; "-": standard output
    long dumpEvery = 1;         // 0: the last step only
    std::vector<PngRequest> pngs;
    bool soundOn = true;
    bool soundGiven = false;
    bool autoplay = false;
    bool clockGiven = false;
    std::string replayFile;  // empty: no replay to run
    std::string recordFile;  // empty: nothing recorded
    bool help = false;       // --help: the usage, and nothing run
};

// Parses argv; on failure returns false with a message naming the problem.
bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);

extern const char* const kSimUsage;
