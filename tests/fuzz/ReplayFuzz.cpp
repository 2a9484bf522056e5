// Fuzz target: replay files. A replay is taken whole or refused with a message, and one
// taken is written out again as text that reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/ReplayText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Replay replay;
    std::string error;
    if (!ParseReplay(std::string_view(reinterpret_cast<const char*>(data), size), replay, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (replay.events.empty() || replay.events.back().frame > replay.frames) std::abort();
    const std::string text = FormatReplay(replay);
    Replay again;
    if (!ParseReplay(text, again, error) || FormatReplay(again) != text) std::abort();
    return 0;
}
