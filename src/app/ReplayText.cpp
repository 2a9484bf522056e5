// Writing and reading the replay file's lines.
#include "app/ReplayText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "core/FloatText.h"

namespace {

constexpr std::string_view kMagic = "pebblor-replay";
constexpr size_t kMostVersionLength = 40;
constexpr int64_t kCoordinateMin = -32768, kCoordinateMax = 65535;
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kUint32Max = std::numeric_limits<uint32_t>::max();
constexpr int64_t kLastShotKind = 8;
// No pool has more slots; the game checks each against its own pool when it plays.
constexpr int64_t kMostSparkSlots = 1 << 16;

struct EventName {
    const char* name;
    ReplayEventKind kind;
    int values;  // numbers after the name
};
constexpr EventName kEventNames[] = {
    {"down", ReplayEventKind::Down, 2},   {"move", ReplayEventKind::Move, 2},
    {"up", ReplayEventKind::Up, 2},       {"keydown", ReplayEventKind::KeyDown, 1},
    {"keyup", ReplayEventKind::KeyUp, 1}, {"activate", ReplayEventKind::Activate, 1},
    {"paint", ReplayEventKind::Paint, 0}, {"command", ReplayEventKind::SoundSwitch, 1},
};

const EventName& NameOf(ReplayEventKind kind) {
    for (const EventName& name : kEventNames) {
        if (name.kind == kind) return name;
    }
    return kEventNames[0];
}

// Initials in quotes: printable ASCII as it is except the quote and the backslash, which
// are escaped, and every other byte as \xHH.
std::string Quoted(const char* text, size_t size) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (size_t i = 0; i < size && text[i] != '\0'; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += char(byte);
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += char(byte);
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 15];
        }
    }
    return out + "\"";
}

std::string FloatText(float value) { return ShortestFloatText(value); }

void AppendSparkPools(std::string& text, const ReplayStart& start) {
    for (size_t pool = 0; pool < start.sparkPools.size(); ++pool) {
        const ReplaySparkPool& sparks = start.sparkPools[pool];
        text += "spark-pool " + std::to_string(pool) + " " + std::to_string(sparks.lastSlot) + "\n";
        for (const ReplaySpark& live : sparks.sparks) {
            const Spark& s = live.spark;
            text += "spark " + std::to_string(live.slot) + " " + FloatText(s.x) + " " +
                    FloatText(s.y) + " " + FloatText(s.speed) + " " + FloatText(s.heading) + " " +
                    std::to_string(s.life) + "\n";
        }
    }
}

// One line cut into words; a word in quotes keeps its spaces and its quotes.
struct Line {
    int number = 0;
    std::vector<std::string_view> words;
};

class LineReader {
public:
    explicit LineReader(std::string_view text) : rest_(text) {}

    // The next line holding anything but blanks or a comment; false at the end.
    bool Next(Line& line) {
        while (!rest_.empty()) {
            const size_t end = rest_.find('\n');
            std::string_view text = rest_.substr(0, end);
            rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
            ++number_;
            if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
            line.number = number_;
            line.words.clear();
            Split(text, line.words);
            if (!line.words.empty() && line.words[0][0] != '#') return true;
        }
        return false;
    }

private:
    static bool IsBlank(char c) { return c == ' ' || c == '\t'; }

    static void Split(std::string_view text, std::vector<std::string_view>& words) {
        size_t at = 0;
        while (at < text.size()) {
            if (IsBlank(text[at])) {
                ++at;
                continue;
            }
            size_t end = at + 1;
            if (text[at] == '"') {
                while (end < text.size() && text[end] != '"') end += text[end] == '\\' ? 2 : 1;
                end = std::min(end + 1, text.size());
            } else {
                while (end < text.size() && !IsBlank(text[end])) ++end;
            }
            words.push_back(text.substr(at, end - at));
            at = end;
        }
    }

    std::string_view rest_;
    int number_ = 0;
};

// Reads the words of one line against what they must be; the first problem is kept.
class Reader {
public:
    explicit Reader(std::string& error) : error_(error) {}

    bool Fail(const Line& line, const std::string& problem) {
        error_ = "line " + std::to_string(line.number) + ": " + problem;
        return false;
    }

    // The line is `key` followed by exactly `values` words.
    bool Expect(const Line& line, std::string_view key, size_t values) {
        if (line.words[0] != key) {
            return Fail(line, "'" + std::string(key) + "' expected, not '" +
                                  std::string(line.words[0]) + "'");
        }
        return Count(line, 1, values);
    }

    bool Count(const Line& line, size_t first, size_t values) {
        if (line.words.size() != first + values) {
            return Fail(line, "'" + std::string(line.words[first - 1]) + "' takes " +
                                  std::to_string(values) + " value(s)");
        }
        return true;
    }

    bool Number(const Line& line, size_t index, int64_t low, int64_t high, int64_t& value) {
        const std::string_view word = line.words[index];
        int64_t parsed = 0;
        const auto [end, result] = std::from_chars(word.data(), word.data() + word.size(), parsed);
        if (result != std::errc() || end != word.data() + word.size() || parsed < low ||
            parsed > high) {
            return Fail(line, "'" + std::string(word) + "' is not a whole number from " +
                                  std::to_string(low) + " to " + std::to_string(high));
        }
        value = parsed;
        return true;
    }

    template <typename T>
    bool NumberInto(const Line& line, size_t index, int64_t low, int64_t high, T& out) {
        int64_t value = 0;
        if (!Number(line, index, low, high, value)) return false;
        out = T(value);
        return true;
    }

    bool Float(const Line& line, size_t index, float& out) {
        const std::string_view word = line.words[index];
        if (!ParseFloatText(word, out) || !std::isfinite(out)) {
            return Fail(line, "'" + std::string(word) + "' is not a finite number");
        }
        return true;
    }

    bool Initials(const Line& line, size_t index, char (&out)[4]) {
        const std::string_view word = line.words[index];
        std::memset(out, 0, sizeof out);
        if (word.size() < 2 || word.front() != '"' || word.back() != '"') {
            return Fail(line, "initials go in double quotes, not " + std::string(word));
        }
        size_t length = 0;
        for (size_t at = 1; at + 1 < word.size(); ++at) {
            char c = word[at];
            if (c == '\\') {
                const std::optional<char> escaped = Escaped(word, at);
                if (!escaped)
                    return Fail(line, "a backslash in " + std::string(word) +
                                          " must be followed by \\, \" or xHH");
                c = *escaped;
            }
            if (c == '\0' || length == 3) {
                return Fail(line, "initials are one to three characters, not " + std::string(word));
            }
            out[length++] = c;
        }
        return true;
    }

private:
    // The byte an escape at `at` stands for; `at` is left on its last character.
    static std::optional<char> Escaped(std::string_view word, size_t& at) {
        if (at + 2 < word.size() && (word[at + 1] == '\\' || word[at + 1] == '"')) {
            return word[++at];
        }
        if (at + 4 < word.size() && word[at + 1] == 'x') {
            unsigned value = 0;
            const auto [end, result] =
                std::from_chars(word.data() + at + 2, word.data() + at + 4, value, 16);
            if (result != std::errc() || end != word.data() + at + 4) return std::nullopt;
            at += 3;
            return char(value);
        }
        return std::nullopt;
    }

    std::string& error_;
};

bool ReadSparkPools(LineReader& lines, Reader& read, Line& line, ReplayStart& start) {
    bool more = lines.Next(line);
    for (size_t pool = 0; pool < start.sparkPools.size(); ++pool) {
        ReplaySparkPool& sparks = start.sparkPools[pool];
        int64_t index = 0;
        if (!more) return read.Fail(line, "the replay is cut short in its spark pools");
        if (!read.Expect(line, "spark-pool", 2) || !read.Number(line, 1, 0, 9, index) ||
            !read.NumberInto(line, 2, 0, kMostSparkSlots - 1, sparks.lastSlot)) {
            return false;
        }
        if (size_t(index) != pool) {
            return read.Fail(line, "spark pool " + std::to_string(pool) + " expected, not " +
                                       std::to_string(index));
        }
        for (more = lines.Next(line); more && line.words[0] == "spark"; more = lines.Next(line)) {
            ReplaySpark live;
            Spark& s = live.spark;
            if (!read.Count(line, 1, 6) ||
                !read.NumberInto(line, 1, 0, kMostSparkSlots - 1, live.slot) ||
                !read.Float(line, 2, s.x) || !read.Float(line, 3, s.y) ||
                !read.Float(line, 4, s.speed) || !read.Float(line, 5, s.heading) ||
                !read.NumberInto(line, 6, 1, kInt32Max, s.life)) {
                return false;
            }
            if (!sparks.sparks.empty() && live.slot <= sparks.sparks.back().slot) {
                return read.Fail(line, "spark slots must rise within a pool");
            }
            s.Aim();
            sparks.sparks.push_back(live);
        }
    }
    if (!more) return read.Fail(line, "the replay is cut short before its events");
    return true;
}

bool ReadHeader(LineReader& lines, Reader& read, Line& line, Replay& replay) {
    ReplayStart& start = replay.start;
    auto next = [&](std::string_view key, size_t values) {
        if (!lines.Next(line)) {
            return read.Fail(line,
                             "the replay is cut short where '" + std::string(key) + "' belongs");
        }
        return read.Expect(line, key, values);
    };
    if (!next("game", 1)) return false;
    if (line.words[1].size() > kMostVersionLength)
        return read.Fail(line, "the version is too long");
    replay.gameVersion = std::string(line.words[1]);
    if (!next("clock", 1) || !read.NumberInto(line, 1, 0, kUint32Max, start.clock) ||
        !next("random", 1) || !read.NumberInto(line, 1, 0, kUint32Max, start.randomState) ||
        !next("gem-seed", 1) || !read.NumberInto(line, 1, 0, kUint32Max, start.gemSeed) ||
        !next("sound", 2)) {
        return false;
    }
    if (line.words[1] != "on" && line.words[1] != "off") {
        return read.Fail(line, "sound is on or off, not '" + std::string(line.words[1]) + "'");
    }
    start.soundOn = line.words[1] == "on";
    if (!read.NumberInto(line, 2, kInt32Min, kInt32Max, start.soundPriority) ||
        !next("made-high-score", 1) || !read.NumberInto(line, 1, 0, 1, start.madeHighScore) ||
        !next("shot-kind", 1) ||
        !read.NumberInto(line, 1, 0, kLastShotKind, start.pendingShotKind) ||
        !next("drag-anchor-y", 1) || !read.NumberInto(line, 1, 0, 65535, start.dragAnchorY) ||
        !next("initials", 1) || !read.Initials(line, 1, start.initials)) {
        return false;
    }
    for (HighScoreEntry& entry : start.table) {
        if (!next("high-score", 3) || !read.Initials(line, 1, entry.initials) ||
            !read.NumberInto(line, 2, kInt32Min, kInt32Max, entry.score) ||
            !read.NumberInto(line, 3, kInt32Min, kInt32Max, entry.level)) {
            return false;
        }
    }
    return ReadSparkPools(lines, read, line, start);
}

bool ReadEnd(Reader& read, const Line& line, Replay& replay) {
    ReplayResult& result = replay.result;
    if (!read.Count(line, 2, 8)) return false;
    const char* keys[] = {"score", "level", "shots", "high-score"};
    for (size_t i = 0; i < 4; ++i) {
        if (line.words[2 + 2 * i] != keys[i]) {
            return read.Fail(line, "'" + std::string(keys[i]) + "' expected, not '" +
                                       std::string(line.words[2 + 2 * i]) + "'");
        }
    }
    return read.NumberInto(line, 3, kInt32Min, kInt32Max, result.score) &&
           read.NumberInto(line, 5, kInt32Min, kInt32Max, result.level) &&
           read.NumberInto(line, 7, 0, kInt32Max, result.shotsFired) &&
           read.NumberInto(line, 9, 0, 1, result.madeHighScore);
}

// One event line (`FRAME name values`); `ended` is set by the end line.
bool ReadEvent(Reader& read, const Line& line, Replay& replay, bool& ended) {
    int64_t frame = 0;
    if (!read.Number(line, 0, 0, kMostReplayFrames, frame)) return false;
    if (line.words.size() < 2) return read.Fail(line, "an event name must follow the frame");
    const uint32_t previous = replay.events.empty() ? 0 : replay.events.back().frame;
    if (uint32_t(frame) < previous) {
        return read.Fail(line, "frame " + std::to_string(frame) + " comes after frame " +
                                   std::to_string(previous) + ": the events are out of order");
    }
    if (line.words[1] == "end") {
        replay.frames = uint32_t(frame);
        ended = true;
        return ReadEnd(read, line, replay);
    }
    const EventName* name = nullptr;
    for (const EventName& candidate : kEventNames) {
        if (line.words[1] == candidate.name) name = &candidate;
    }
    if (name == nullptr)
        return read.Fail(line, "unknown event '" + std::string(line.words[1]) + "'");
    ReplayEvent event{uint32_t(frame), name->kind, 0, 0};
    if (!read.Count(line, 2, size_t(name->values))) return false;
    bool valid = true;
    switch (event.kind) {
        case ReplayEventKind::Down:
        case ReplayEventKind::Move:
        case ReplayEventKind::Up:
            valid = read.NumberInto(line, 2, kCoordinateMin, kCoordinateMax, event.a) &&
                    read.NumberInto(line, 3, kCoordinateMin, kCoordinateMax, event.b);
            break;
        case ReplayEventKind::KeyDown:
        case ReplayEventKind::KeyUp:
            valid = read.NumberInto(line, 2, 0, 255, event.a);
            break;
        case ReplayEventKind::Activate:
            valid = read.NumberInto(line, 2, 0, 1, event.a);
            break;
        case ReplayEventKind::SoundSwitch:
            // The sound item is the only menu command a game keeps.
            valid = read.NumberInto(line, 2, IDM_SOUND, IDM_SOUND, event.a);
            break;
        case ReplayEventKind::Paint:
            break;
    }
    if (!valid) return false;
    if (replay.events.empty() && (event.kind != ReplayEventKind::Down || event.frame != 0)) {
        return read.Fail(line, "a replay begins with the click that starts the game, '0 down X Y'");
    }
    replay.events.push_back(event);
    return true;
}

}  // namespace

std::string FormatReplay(const Replay& replay) {
    const ReplayStart& start = replay.start;
    std::string text = std::string(kMagic) + " " + std::to_string(kReplayFormatVersion) + "\n";
    text += "# A game of Pebblor: watch it with pebblor --replay FILE\n";
    text += "game " + replay.gameVersion + "\n";
    text += "clock " + std::to_string(start.clock) + "\n";
    text += "random " + std::to_string(start.randomState) + "\n";
    text += "gem-seed " + std::to_string(start.gemSeed) + "\n";
    text += std::string("sound ") + (start.soundOn ? "on " : "off ") +
            std::to_string(start.soundPriority) + "\n";
    text += "made-high-score " + std::to_string(start.madeHighScore) + "\n";
    text += "shot-kind " + std::to_string(start.pendingShotKind) + "\n";
    text += "drag-anchor-y " + std::to_string(start.dragAnchorY) + "\n";
    text += "initials " + Quoted(start.initials, sizeof start.initials) + "\n";
    for (const HighScoreEntry& entry : start.table) {
        text += "high-score " + Quoted(entry.initials, sizeof entry.initials) + " " +
                std::to_string(entry.score) + " " + std::to_string(entry.level) + "\n";
    }
    AppendSparkPools(text, start);
    for (const ReplayEvent& event : replay.events) {
        const EventName& name = NameOf(event.kind);
        text += std::to_string(event.frame) + " " + name.name;
        if (name.values >= 1) text += " " + std::to_string(event.a);
        if (name.values == 2) text += " " + std::to_string(event.b);
        text += "\n";
    }
    text += std::to_string(replay.frames) + " end " + DescribeResult(replay.result) + "\n";
    return text;
}

bool ParseReplay(std::string_view text, Replay& replay, std::string& error) {
    replay = Replay{};
    if (text.empty()) {
        error = "the file is empty";
        return false;
    }
    if (text.size() > kMostReplayBytes) {
        error = "the file is larger than any replay";
        return false;
    }
    if (text.substr(0, kMagic.size() + 1) != std::string(kMagic) + " " ||
        text.find('\0') != std::string_view::npos) {
        error = "not a Pebblor replay (it does not begin with '" + std::string(kMagic) + "')";
        return false;
    }
    if (text.back() != '\n') {
        error = "the replay is cut short: its last line is incomplete";
        return false;
    }
    LineReader lines(text);
    Reader read(error);
    Line line;
    int64_t version = 0;
    lines.Next(line);
    if (line.words.size() != 2 || !read.Number(line, 1, 0, kInt32Max, version)) {
        error = "not a Pebblor replay: its first line is not '" + std::string(kMagic) + " VERSION'";
        return false;
    }
    if (version != kReplayFormatVersion) {
        error = "replay format version " + std::to_string(version) +
                " is not known: this game reads version " + std::to_string(kReplayFormatVersion);
        return false;
    }
    if (!ReadHeader(lines, read, line, replay)) return false;
    bool ended = false;
    do {
        if (ended) return read.Fail(line, "nothing may follow the end");
        if (!ReadEvent(read, line, replay, ended)) return false;
    } while (lines.Next(line));
    if (!ended) {
        error = "the replay is cut short: its last line, '... end ...', is missing";
        return false;
    }
    if (replay.events.empty()) {
        return read.Fail(line, "a replay begins with the click that starts the game, '0 down X Y'");
    }
    return true;
}

bool LoadReplay(const std::string& path, Replay& replay, std::string& error, FileSystem& files) {
    const std::optional<std::vector<uint8_t>> bytes = files.ReadRegularFile(path, kMostReplayBytes);
    if (!bytes) {
        error = path + ": cannot be read (missing, not a file, or larger than any replay)";
        return false;
    }
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    if (!ParseReplay(text, replay, error)) {
        error = path + ": " + error;
        return false;
    }
    return true;
}
