// Encoding high score entries in file names, and reading them back.
#include "app/ReplayFileNames.h"

#include <charconv>
#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr std::string_view kExtension = ".replay";

bool IsPlain(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

template <typename T>
std::optional<T> ParseNumber(std::string_view text) {
    T value{};
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<std::string> DecodeInitials(std::string_view text) {
    std::string initials;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '%') {
            initials += text[at];
            continue;
        }
        if (at + 2 >= text.size()) return std::nullopt;
        const std::optional<unsigned> byte = [&]() -> std::optional<unsigned> {
            unsigned value = 0;
            const auto [end, result] =
                std::from_chars(text.data() + at + 1, text.data() + at + 3, value, 16);
            if (result != std::errc() || end != text.data() + at + 3) return std::nullopt;
            return value;
        }();
        if (!byte) return std::nullopt;
        initials += char(*byte);
        at += 2;
    }
    return initials;
}

}  // namespace

std::string EntryReplayFileName(const HighScoreEntry& entry, uint64_t number) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string name;
    for (size_t i = 0; i < sizeof entry.initials && entry.initials[i] != '\0'; ++i) {
        const char c = entry.initials[i];
        if (IsPlain(c)) {
            name += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            name += '%';
            name += kHex[byte >> 4];
            name += kHex[byte & 15];
        }
    }
    name += "_" + std::to_string(int64_t(entry.score) * 10) + "_" + std::to_string(entry.level) +
            "_" + std::to_string(number);
    return name + std::string(kExtension);
}

std::optional<EntryReplayName> ParseEntryReplayFileName(std::string_view name) {
    if (name.size() <= kExtension.size() || !name.ends_with(kExtension)) return std::nullopt;
    name.remove_suffix(kExtension.size());
    std::vector<std::string_view> parts;
    for (size_t at = 0;;) {
        const size_t bar = name.find('_', at);
        parts.push_back(name.substr(at, bar - at));
        if (bar == std::string_view::npos) break;
        at = bar + 1;
    }
    if (parts.size() != 4) return std::nullopt;
    const std::optional<std::string> initials = DecodeInitials(parts[0]);
    const auto points = ParseNumber<int64_t>(parts[1]);
    const auto level = ParseNumber<int32_t>(parts[2]);
    const auto number = ParseNumber<uint64_t>(parts[3]);
    if (!initials || initials->size() > 3 || initials->find('\0') != std::string::npos || !points ||
        !level || !number || *points % 10 != 0 ||
        *points / 10 < std::numeric_limits<int32_t>::min() ||
        *points / 10 > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    EntryReplayName parsed;
    std::memcpy(parsed.entry.initials, initials->c_str(), initials->size() + 1);
    parsed.entry.score = int32_t(*points / 10);
    parsed.entry.level = *level;
    parsed.number = *number;
    // One name per entry and number: "%41" and "A", or "007" and "7", are not both taken.
    if (EntryReplayFileName(parsed.entry, parsed.number) !=
        std::string(name) + std::string(kExtension)) {
        return std::nullopt;
    }
    return parsed;
}

bool SameEntry(const HighScoreEntry& a, const HighScoreEntry& b) {
    return strncmp(a.initials, b.initials, sizeof a.initials) == 0 && a.score == b.score &&
           a.level == b.level;
}
