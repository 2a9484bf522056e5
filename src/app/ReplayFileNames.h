// The names of the replay files: the last game's, and those of high score entries, which
// say whose entry they belong to ("BED_16000_11_3.replay": the initials, the points and
// level the title shows, and a number that grows with every replay kept).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "play/HighScores.h"

inline constexpr const char* kLastGameFileName = "last.replay";

struct EntryReplayName {
    HighScoreEntry entry{};
    uint64_t number = 0;
};

// Initials keep letters and digits; every other byte is written %XX.
std::string EntryReplayFileName(const HighScoreEntry& entry, uint64_t number);
// Nothing when the name is not one that EntryReplayFileName gives.
std::optional<EntryReplayName> ParseEntryReplayFileName(std::string_view name);

// Whether two entries hold the same initials, score and level.
bool SameEntry(const HighScoreEntry& a, const HighScoreEntry& b);
