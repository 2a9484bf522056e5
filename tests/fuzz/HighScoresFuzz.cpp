// Fuzz target: high score files. Every entry's initials fit, and a table written out reads
// back as itself unless an initials line ends in a carriage return (a line end then).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "play/HighScores.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HighScoreTable table{};
    ParseHighScores(table, std::string_view(reinterpret_cast<const char*>(data), size));
    bool roundTrips = true;
    for (const HighScoreEntry& entry : table) {
        const size_t length = strnlen(entry.initials, sizeof entry.initials);
        if (length == sizeof entry.initials) std::abort();
        roundTrips = roundTrips && (length == 0 || entry.initials[length - 1] != '\r');
    }
    if (!roundTrips) return 0;
    HighScoreTable again{};
    ParseHighScores(again, FormatHighScores(table));
    for (size_t i = 0; i < table.size(); ++i) {
        if (std::strcmp(again[i].initials, table[i].initials) != 0 ||
            again[i].score != table[i].score || again[i].level != table[i].level) {
            std::abort();
        }
    }
    return 0;
}
