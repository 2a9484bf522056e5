// Fuzz target: the desktop game's command line, its arguments separated by NUL bytes. Every
// list of arguments is answered: refused with a reason, or a replay named only to play.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            arguments.emplace_back();
        } else {
            arguments.back() += char(data[i]);
        }
    }
    const CommandLine line = CommandLine::Parse(arguments);
    const bool refused = line.WhatToDo() == CommandLine::Action::Refuse;
    if (refused == line.Problem().empty()) std::abort();
    if (line.WhatToDo() == CommandLine::Action::Play && !line.ReplayFile().empty()) {
        bool named = false;
        for (const std::string& argument : arguments) {
            named = named || argument == line.ReplayFile() ||
                    argument == "--replay=" + line.ReplayFile();
        }
        if (!named) std::abort();
    }
    return 0;
}
