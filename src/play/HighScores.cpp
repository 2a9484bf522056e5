// Loading, saving and the default contents of the high score table.
#include "play/HighScores.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "core/Random.h"
#include "platform/FileReplacement.h"
#include "platform/SaveReport.h"

namespace {

constexpr int kDefaultBestScore = 1600;
constexpr int kDefaultScoreStep = 150;
constexpr int kDefaultBestLevel = 12;
constexpr int kDefaultLetterCount = 5;  // A to E

// Reads a decimal the way atol does (leading space, a sign, digits up to the first
// non-digit, none giving 0), saturating at the int32 range instead of overflowing.
int32_t ParseDecimal(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    constexpr int64_t kLimit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = std::min(magnitude * 10 + (*text - '0'), kLimit);
    }
    const int64_t value = negative ? -magnitude : magnitude;
    return int32_t(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

void FillDefaultTable(HighScoreTable& table) {
    for (int i = 0; i < int(table.size()); ++i) {
        HighScoreEntry& entry = table[size_t(i)];
        entry.score = kDefaultBestScore - kDefaultScoreStep * i;
        entry.level = kDefaultBestLevel - i;
        for (int letter = 0; letter < 3; ++letter) {
            entry.initials[letter] = char('A' + Random() % kDefaultLetterCount);
        }
        entry.initials[3] = '\0';
    }
}

}  // namespace

void LoadHighScores(HighScoreTable& table, const char* path, FileSystem& files) {
    RemoveStaleTemporaries(path, files);
    const std::optional<std::vector<uint8_t>> bytes =
        files.ReadRegularFile(path, kMaxHighScoreFileSize);
    if (!bytes) {
        FillDefaultTable(table);
        return;
    }
    ParseHighScores(table,
                    std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

void ParseHighScores(HighScoreTable& table, std::string_view text) {
    // Once the text has ended every read repeats the last line; before any, it is empty.
    char line[1024] = "";
    for (HighScoreEntry& entry : table) {
        ReadLine(text, line);
        CopyBounded(line, sizeof line, entry.initials, sizeof entry.initials);
        ReadLine(text, line);
        entry.score = ParseDecimal(line);
        ReadLine(text, line);
        entry.level = ParseDecimal(line);
    }
}

std::string FormatHighScores(const HighScoreTable& table) {
    std::string text;
    for (const HighScoreEntry& entry : table) {
        text.append(entry.initials, strnlen(entry.initials, sizeof entry.initials));
        text +=
            "\r\n" + std::to_string(entry.score) + "\r\n" + std::to_string(entry.level) + "\r\n";
    }
    return text;
}

bool SaveHighScores(const HighScoreTable& table, const char* path, FileSystem& files) {
    const std::error_code result = ReplaceFile(path, FormatHighScores(table), files);
    ReportSave("the high scores", path, result);
    return !result;
}

bool ReadLine(std::string_view& text, char (&buffer)[1024]) {
    constexpr size_t kMostCharacters = sizeof buffer - 1;
    size_t length = 0;
    size_t at = 0;
    while (length < kMostCharacters && at < text.size()) {
        char c = text[at++];
        // CR LF reads as one line feed; a lone CR stays.
        if (c == '\r' && at < text.size() && text[at] == '\n') {
            c = '\n';
            ++at;
        }
        buffer[length++] = c;
        if (c == '\n') break;
    }
    text.remove_prefix(at);
    if (length == 0) return false;
    if (buffer[length - 1] == '\n') {
        --length;
        if (length > 0 && buffer[length - 1] == '\r') --length;
    }
    buffer[length] = '\0';
    return true;
}

void CopyBounded(const char* source, size_t sourceSize, char* destination, size_t destinationSize) {
    if (destinationSize == 0) return;
    const size_t most = sourceSize == 0 ? 0 : std::min(sourceSize, destinationSize) - 1;
    size_t length = 0;
    while (length < most && source[length] != '\0') {
        destination[length] = source[length];
        ++length;
    }
    destination[length] = '\0';
}
