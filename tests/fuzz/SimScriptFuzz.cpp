// Fuzz target: scripts of the headless runner. A script is taken whole or refused with a
// message naming its line.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "SimScript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<ScriptEvent> events;
    std::string error;
    if (!ParseSimScript(in, events, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    for (const ScriptEvent& event : events) {
        if (event.step < 0 || event.messages.empty()) std::abort();
    }
    return 0;
}
