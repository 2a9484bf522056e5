// The table of the ten best games and its text file "hiscores.dat".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "platform/FileReplacement.h"

struct HighScoreEntry {
    char initials[4];  // up to three characters, NUL-terminated
    int32_t score;     // in units of ten points
    int32_t level;     // counted from 0
};

// Best first; the order is the file's, never sorted here.
using HighScoreTable = std::array<HighScoreEntry, 10>;

inline constexpr const char* kHighScoreFileName = "hiscores.dat";

// Fills the table from the file: three lines per entry (initials, score, level). When the
// file cannot be opened, the default table instead, its initials drawn from Random.
void LoadHighScores(HighScoreTable& table, const char* path = kHighScoreFileName);

// Replaces the file with the table, lines ending in CR LF. The new text goes to a temporary
// file beside it that is renamed over the old one only once completely written and synced,
// so a failed save leaves the old file as it was. `write` exists for tests.
bool SaveHighScores(const HighScoreTable& table, const char* path = kHighScoreFileName,
                    const FileWriter& write = WriteWholeFile);

// The file's text for the table: 30 lines, each ending in CR LF.
std::string FormatHighScores(const HighScoreTable& table);

// Reads one line of at most 1023 characters (CR LF counting as one) and drops its line end.
// When the file has ended, returns false and leaves the buffer as it was.
bool ReadLine(std::FILE* file, char (&buffer)[1024]);

// Copies source up to its NUL, at most sourceSize - 1 and destinationSize - 1 characters,
// and always terminates the destination (unless it has no room at all).
void CopyBounded(const char* source, size_t sourceSize, char* destination, size_t destinationSize);
