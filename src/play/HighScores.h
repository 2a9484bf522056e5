// The table of the ten best games and its text file "hiscores.dat".
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

struct HighScoreEntry {
    char initials[4];  // up to three characters, NUL-terminated
    int32_t score;     // in units of ten points
    int32_t level;     // counted from 0
};

// Best first; the order is the file's, never sorted here.
using HighScoreTable = std::array<HighScoreEntry, 10>;

inline constexpr const char* kHighScoreFileName = "hiscores.dat";
// A larger file is no table of ours.
inline constexpr size_t kMaxHighScoreFileSize = 1 << 20;

// Fills the table from the file: three lines per entry (initials, score, level). When the
// file cannot be read (missing, unreadable, over 1 MiB, or not a regular file at all), the
// default table instead, its initials drawn from Random. Temporary files that a killed save
// left beside it are removed first.
void LoadHighScores(HighScoreTable& table, const char* path = kHighScoreFileName,
                    FileSystem& files = RealFileSystem());

// Fills the table from the text of a high score file.
void ParseHighScores(HighScoreTable& table, std::string_view text);

// Replaces the file with the table, lines ending in CR LF. The new text goes to a temporary
// file beside it that is renamed over the old one only once completely written and synced,
// so a failed save leaves the old file as it was. The outcome goes to the save reporter.
bool SaveHighScores(const HighScoreTable& table, const char* path = kHighScoreFileName,
                    FileSystem& files = RealFileSystem());

// The file's text for the table: 30 lines, each ending in CR LF.
std::string FormatHighScores(const HighScoreTable& table);

// Reads one line of at most 1023 characters from the front of text (CR LF counting as one),
// drops its line end and takes it off text. When text is empty, returns false and leaves
// the buffer as it was.
bool ReadLine(std::string_view& text, char (&buffer)[1024]);

// Copies source up to its NUL, at most sourceSize - 1 and destinationSize - 1 characters,
// and always terminates the destination (unless it has no room at all).
void CopyBounded(const char* source, size_t sourceSize, char* destination, size_t destinationSize);
