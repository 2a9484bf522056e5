// Parsing of the runner's arguments.
#include "SimOptions.h"

#include <cerrno>
#include <cstdlib>
#include <limits>

const char* const kSimUsage =
    "usage: pebblor-sim [--clock MS] [--script FILE] [--steps N] [--dump FILE]\n"
    "                   [--dump-every K] [--png STEP:FILE]... [--sound on|off] [--autoplay]\n"
    "                   [--record FILE]\n"
    "       pebblor-sim --replay FILE [--steps N] [--dump FILE] [--dump-every K]\n"
    "                   [--png STEP:FILE]...\n"
    "       pebblor-sim --help\n";

namespace {

// A whole decimal number in [low, high], nothing else.
bool ParseNumber(const std::string& text, long long low, long long high, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || end == text.c_str() || *end != '\0') return false;
    if (parsed < low || parsed > high) return false;
    value = parsed;
    return true;
}

// A replay brings its own input, clock and sound switch.
bool CheckReplayOptions(const SimOptions& options, std::string& error) {
    if (options.replayFile.empty()) return true;
    const char* clash = !options.scriptFile.empty()   ? "--script"
                        : options.autoplay            ? "--autoplay"
                        : options.clockGiven          ? "--clock"
                        : options.soundGiven          ? "--sound"
                        : !options.recordFile.empty() ? "--record"
                                                      : nullptr;
    if (clash == nullptr) return true;
    error =
        std::string("--replay brings its own input, clock and sound: it does not go with ") + clash;
    return false;
}

}  // namespace

bool ParseSimOptions(int argc, const char* const* argv, SimOptions& options, std::string& error) {
    constexpr long long kMaxSteps = std::numeric_limits<int32_t>::max();
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= argc) {
                error = arg + " needs a value";
                return false;
            }
            out = argv[++i];
            return true;
        };
        std::string text;
        long long number = 0;
        if (arg == "--help" || arg == "-h") {
            options.help = true;
            return true;
        } else if (arg == "--autoplay") {
            options.autoplay = true;
        } else if (arg == "--clock") {
            if (!value(text)) return false;
            if (!ParseNumber(text, 0, std::numeric_limits<uint32_t>::max(), number)) {
                error = "--clock takes milliseconds from 0 to 4294967295, not '" + text + "'";
                return false;
            }
            options.clock = uint32_t(number);
            options.clockGiven = true;
        } else if (arg == "--script") {
            if (!value(options.scriptFile)) return false;
        } else if (arg == "--steps") {
            if (!value(text)) return false;
            if (!ParseNumber(text, 1, kMaxSteps, number)) {
                error = "--steps takes a whole number of at least 1, not '" + text + "'";
                return false;
            }
            options.steps = long(number);
        } else if (arg == "--dump") {
            if (!value(options.dumpFile)) return false;
        } else if (arg == "--dump-every") {
            if (!value(text)) return false;
            if (!ParseNumber(text, 0, kMaxSteps, number)) {
                error = "--dump-every takes a whole number of at least 0, not '" + text + "'";
                return false;
            }
            options.dumpEvery = long(number);
        } else if (arg == "--png") {
            if (!value(text)) return false;
            const size_t colon = text.find(':');
            long long step = 0;
            if (colon == std::string::npos || colon + 1 == text.size() ||
                !ParseNumber(text.substr(0, colon), 0, kMaxSteps, step)) {
                error = "--png takes STEP:FILE, not '" + text + "'";
                return false;
            }
            options.pngs.push_back(PngRequest{int(step), text.substr(colon + 1)});
        } else if (arg == "--sound") {
            if (!value(text)) return false;
            if (text != "on" && text != "off") {
                error = "--sound takes on or off, not '" + text + "'";
                return false;
            }
            options.soundOn = text == "on";
            options.soundGiven = true;
        } else if (arg == "--replay") {
            if (!value(options.replayFile)) return false;
        } else if (arg == "--record") {
            if (!value(options.recordFile)) return false;
        } else {
            error = "unknown argument '" + arg + "'";
            return false;
        }
    }
    return CheckReplayOptions(options, error);
}
