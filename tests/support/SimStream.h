// Runs pebblor-sim and hands each dumped state over as it is read, so that a long run
// never holds its whole dump in memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/Json.h"

struct StreamedRun {
    int status = -1;
    std::string errorText;  // what the runner wrote to standard error
    size_t states = 0;      // how many dumped states were read
};

// `arguments` go after the executable (the dump goes to standard output); the run happens
// in `folder`.
StreamedRun StreamSim(const std::vector<std::string>& arguments, const std::string& folder,
                      const std::function<void(const JsonValue&)>& visit);
