// The replay file: a replay reads back as it was written, and every kind of damage is
// refused with a message that says what is wrong, never a crash.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "app/ReplayFileNames.h"
#include "app/ReplayText.h"

namespace {

// Every kind of event, initials that need escaping, and live sparks.
Replay Sample() {
    Replay replay;
    replay.gameVersion = "1.1.0";
    ReplayStart& start = replay.start;
    start.clock = 4294967295u;
    start.randomState = 123456789;
    start.gemSeed = 4321;
    start.soundOn = false;
    start.soundPriority = 5;
    start.madeHighScore = 1;
    start.pendingShotKind = 6;
    start.dragAnchorY = 300;
    std::strcpy(start.initials, "A\"\\");
    for (size_t i = 0; i < start.table.size(); ++i) {
        HighScoreEntry& entry = start.table[i];
        std::strcpy(entry.initials, i == 0 ? "\xE9 #" : i == 1 ? "" : "BED");
        entry.score = 1600 - int32_t(i) * 150;
        entry.level = i == 2 ? -3 : 12 - int32_t(i);
    }
    start.sparkPools[0].lastSlot = 2;
    start.sparkPools[0].sparks = {{1, Spark{72.539185f, 251.04181f, 5.12f, 2.7646017f, 6}},
                                  {2, Spark{-0.1f, 1e-7f, 0.0f, 6.2831855f, 30}}};
    start.sparkPools[9].lastSlot = 99;
    replay.events = {{0, ReplayEventKind::Down, 144, 300},
                     {0, ReplayEventKind::Up, 144, 300},
                     {3, ReplayEventKind::Move, -20, 65535},
                     {3, ReplayEventKind::KeyDown, 80, 0},
                     {3, ReplayEventKind::KeyUp, 80, 0},
                     {3, ReplayEventKind::Activate, 0, 0},
                     {3, ReplayEventKind::Activate, 1, 0},
                     {9, ReplayEventKind::Paint, 0, 0},
                     {9, ReplayEventKind::SoundSwitch, IDM_SOUND, 0}};
    replay.frames = 2500;
    replay.result = ReplayResult{-7, 130, 44, 1};
    return replay;
}

TEST(ReplayText, AReplayReadsBackAsItWasWritten) {
    const std::string text = FormatReplay(Sample());
    Replay read;
    std::string error;
    ASSERT_TRUE(ParseReplay(text, read, error)) << error << "\n" << text;
    EXPECT_EQ(FormatReplay(read), text);
    EXPECT_STREQ(read.start.initials, "A\"\\");
    EXPECT_STREQ(read.start.table[0].initials, "\xE9 #");
    EXPECT_EQ(read.start.sparkPools[0].sparks[1].spark.y, 1e-7f);
    EXPECT_EQ(read.events, Sample().events);
    EXPECT_EQ(read.result, Sample().result);
    // Lines ending in CR LF, blank lines and comments read the same.
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n\n# note\r\n") : std::string(1, c);
    ASSERT_TRUE(ParseReplay(crlf, read, error)) << error;
    EXPECT_EQ(FormatReplay(read), text);
}

// The sample's text with its first line that begins with `start` replaced by `line` (removed
// when empty).
std::string WithLine(const std::string& start, const std::string& line) {
    std::string text = FormatReplay(Sample());
    const size_t at = start.empty() ? 0 : text.find("\n" + start) + 1;
    const size_t end = text.find('\n', at) + 1;
    return text.replace(at, end - at, line.empty() ? "" : line + "\n");
}

struct Damage {
    const char* name;
    std::function<std::string()> text;
    const char* says;  // a part of the message
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.name; }

class DamagedReplay : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedReplay, IsRefusedWithAMessage) {
    Replay replay;
    std::string error;
    EXPECT_FALSE(ParseReplay(GetParam().text(), replay, error));
    EXPECT_NE(error.find(GetParam().says), std::string::npos) << error;
}

std::string Noise() {
    std::string text = "pebblor-replay ";
    for (int i = 0; i < 4000; ++i) text += char((i * 7919) % 256);
    return text + "\n";
}

std::string Cut(size_t bytesOff) {
    const std::string text = FormatReplay(Sample());
    return text.substr(0, text.size() - bytesOff);
}

const Damage kDamages[] = {
    {"Empty", [] { return std::string(); }, "the file is empty"},
    {"NotAReplay", [] { return std::string("[Software]\nkey=1\n"); }, "not a Pebblor replay"},
    {"BinaryNoise", Noise, "not a Pebblor replay"},
    {"NoVersion", [] { return WithLine("", "pebblor-replay"); }, "not a Pebblor replay"},
    {"UnknownVersion", [] { return WithLine("", "pebblor-replay 2"); }, "version 2 is not known"},
    {"HugeVersion", [] { return WithLine("", "pebblor-replay 99999999999999999999999"); },
     "not a Pebblor replay"},
    // Each header line's key is checked alike: a missing line stands for them all.
    {"GameMissing", [] { return WithLine("game", ""); }, "line 3: 'game' expected, not 'clock'"},
    {"GameTooLong", [] { return WithLine("game", "game " + std::string(41, '9')); }, "too long"},
    {"ClockNegative", [] { return WithLine("clock", "clock -1"); }, "from 0 to 4294967295"},
    {"RandomHuge", [] { return WithLine("random", "random 4294967296"); }, "4294967296"},
    {"GemSeedWord", [] { return WithLine("gem-seed", "gem-seed many"); }, "'many'"},
    {"SoundMaybe", [] { return WithLine("sound", "sound maybe 5"); }, "on or off"},
    {"SoundShort", [] { return WithLine("sound", "sound on"); }, "'sound' takes 2"},
    {"MadeHighScoreTwo", [] { return WithLine("made-high-score", "made-high-score 2"); }, "0 to 1"},
    {"ShotKindNine", [] { return WithLine("shot-kind", "shot-kind 9"); }, "0 to 8"},
    {"DragTooFar", [] { return WithLine("drag-anchor-y", "drag-anchor-y 65536"); }, "0 to 65535"},
    {"InitialsTooMany", [] { return WithLine("initials", "initials \"ABCD\""); }, "one to three"},
    {"InitialsBare", [] { return WithLine("initials", "initials AB"); }, "double quotes"},
    {"InitialsBadEscape", [] { return WithLine("initials", "initials \"\\q\""); }, "backslash"},
    {"InitialsNul", [] { return WithLine("initials", "initials \"\\x00\""); }, "one to three"},
    {"TableShort", [] { return WithLine("high-score", ""); }, "'high-score' expected"},
    {"TableScoreHuge", [] { return WithLine("high-score", "high-score \"A\" 2147483648 1"); },
     "2147483648"},
    {"SparkPoolMissing", [] { return WithLine("spark-pool 0", ""); }, "'spark-pool' expected"},
    {"SparkPoolOutOfTurn", [] { return WithLine("spark-pool 0", "spark-pool 3 2"); },
     "spark pool 0 expected"},
    {"SparkDead", [] { return WithLine("spark 1", "spark 1 1 1 1 1 0"); }, "1 to 2147483647"},
    {"SparkNotANumber", [] { return WithLine("spark 1", "spark 1 nan 1 1 1 5"); }, "finite"},
    {"SparkSlotsFall", [] { return WithLine("spark 2", "spark 1 1 1 1 1 5"); }, "must rise"},
    {"FirstEventNotTheClick", [] { return WithLine("0 down", ""); }, "begins with the click"},
    {"EventsOutOfOrder", [] { return WithLine("9 paint", "2 paint"); }, "out of order"},
    {"EndBeforeItsEvents",
     [] { return WithLine("2500 end", "5 end score 1 level 1 shots 1 high-score 0"); },
     "out of order"},
    {"HugeFrame", [] { return WithLine("9 paint", "99999999999999999999999 paint"); },
     "from 0 to 4000000"},
    {"FrameBeyondTheMost", [] { return WithLine("9 paint", "4000001 paint"); }, "0 to 4000000"},
    {"HugeCoordinate", [] { return WithLine("3 move", "3 move 70000 1"); }, "-32768 to 65535"},
    {"KeyBeyondAByte", [] { return WithLine("3 keydown", "3 keydown 256"); }, "0 to 255"},
    {"UnknownEvent", [] { return WithLine("9 paint", "9 jump"); }, "unknown event 'jump'"},
    {"AnotherCommand", [] { return WithLine("9 command", "9 command 104"); }, "32773 to 32773"},
    {"NoEnd", [] { return WithLine("2500 end", ""); }, "cut short"},
    {"CutMidLine", [] { return Cut(5); }, "cut short"},
    {"CutInTheHeader", [] { return FormatReplay(Sample()).substr(0, 120); }, "cut short"},
    {"AfterTheEnd", [] { return FormatReplay(Sample()) + "2500 paint\n"; }, "follow the end"},
    {"EndWords",
     [] { return WithLine("2500 end", "2500 end points 1 level 1 shots 1 high-score 0"); },
     "'score' expected"},
};

INSTANTIATE_TEST_SUITE_P(Every, DamagedReplay, ::testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReplayFileNames, NameAnEntryAndReadItBackOnlyAsWritten) {
    HighScoreEntry entry{"B/d", 1600, -2};
    EXPECT_EQ(EntryReplayFileName(entry, 7), "B%2Fd_16000_-2_7.replay");
    const std::optional<EntryReplayName> read = ParseEntryReplayFileName("B%2Fd_16000_-2_7.replay");
    ASSERT_TRUE(read);
    EXPECT_TRUE(SameEntry(read->entry, entry));
    EXPECT_EQ(read->number, 7u);
    EXPECT_TRUE(ParseEntryReplayFileName("_0_0_1.replay"));  // empty initials
    for (const char* other : {"last.replay", "%42ED_16000_12_1.replay", "BED_16001_12_1.replay",
                              "BED_16000_012_1.replay", "BED_16000_12.replay", "ABCD_0_0_1.replay",
                              "BED_16000_12_1.replay.tmp-AbC123", "%00_0_0_1.replay"}) {
        EXPECT_FALSE(ParseEntryReplayFileName(other)) << other;
    }
}

}  // namespace
