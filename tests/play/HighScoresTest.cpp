// The high score file: round trips, odd lines, saves that fail or are killed, and the
// tidying of what they leave.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>
#include <tuple>

#include "core/Random.h"
#include "play/HighScores.h"
#include "support/SaveFaults.h"

namespace fs = std::filesystem;

namespace {

// Each test works in a fresh directory of its own.
class HighScoresTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "hiscores-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        directory = pattern;
        path = (directory / "hiscores.dat").string();
    }
    void TearDown() override { fs::remove_all(directory); }

    void WriteFile(const std::string& bytes) const {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string ReadFile() const {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    HighScoreTable Load() const {
        HighScoreTable table{};
        LoadHighScores(table, path.c_str());
        return table;
    }
    // The names in the folder, sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path directory;
    std::string path;
};

// Initials of three, two, one and no characters, a space, and extreme numbers.
HighScoreTable SampleTable() {
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    return {{{"Ka0", 5000, 20},
             {"Lb1", 4600, 19},
             {"Mc2", 4200, 18},
             {"A C", 3800, 17},
             {"Z", 3400, 16},
             {"", 3000, 15},
             {"Qg6", -17, 14},
             {"Rh7", kMax, 13},
             {"Si8", 1800, kMin},
             {"Tj9", 1400, 11}}};
}

void ExpectSameTable(const HighScoreTable& actual, const HighScoreTable& expected) {
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_STREQ(actual[i].initials, expected[i].initials) << "entry " << i;
        EXPECT_EQ(actual[i].score, expected[i].score) << "entry " << i;
        EXPECT_EQ(actual[i].level, expected[i].level) << "entry " << i;
    }
}

}  // namespace

TEST_F(HighScoresTest, SaveReplacesTheFileWithThirtyCrLfLinesThatReloadTheSame) {
    WriteFile(std::string(5000, 'x'));
    const HighScoreTable table = SampleTable();
    ASSERT_TRUE(SaveHighScores(table, path.c_str()));
    const std::string bytes = ReadFile();
    EXPECT_EQ(bytes, FormatHighScores(table));
    EXPECT_EQ(bytes.rfind("Ka0\r\n5000\r\n20\r\nLb1\r\n4600\r\n19\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\nA C\r\n3800\r\n17\r\nZ\r\n3400\r\n16\r\n\r\n3000\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("\r\n-17\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\n-2147483648\r\n"), std::string::npos);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 30);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\r'), 30);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    ExpectSameTable(Load(), table);
}

// A file's first entries as loading reads them; past the end of the file every line read
// repeats the last one.
struct LoadCase {
    const char* what;
    std::string file;
    std::vector<HighScoreEntry> first;
    HighScoreEntry rest;
};

void PrintTo(const LoadCase& c, std::ostream* out) { *out << c.what; }

class HighScoreLoadTest : public HighScoresTest, public testing::WithParamInterface<LoadCase> {};

TEST_P(HighScoreLoadTest, ReadsLinesAndNumbersAsTheyAlwaysWere) {
    const LoadCase& c = GetParam();
    WriteFile(c.file);
    randomGenerator.Seed(3);
    HighScoreTable expected;
    expected.fill(c.rest);
    std::copy(c.first.begin(), c.first.end(), expected.begin());
    ExpectSameTable(Load(), expected);
    EXPECT_EQ(randomGenerator.State(), 3u) << "an existing file draws nothing";
}

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

INSTANTIATE_TEST_SUITE_P(
    Files, HighScoreLoadTest,
    testing::Values(
        LoadCase{"numbers read the way atol does",
                 "AAA\r\n-5\r\n12abc\r\nBBB\r\n  +7\r\nabc\r\nCCC\n\t-0042x\n\n"
                 "DDD\r\n99999999999\r\n-99999999999\r\nEEE\r\n2147483647\r\n-2147483648\r\n"
                 "FFF\r\n- 5\r\n--5\r\n",
                 {{"AAA", -5, 12},
                  {"BBB", 7, 0},
                  {"CCC", -42, 0},
                  {"DDD", kMax, kMin},
                  {"EEE", kMax, kMin},
                  {"FFF", 0, 0}},
                 {"--5", 0, 0}},
        LoadCase{"initials cut to three or empty",
                 "ABCDEF\r\n1\r\n2\r\n\r\n3\r\n4\nX\r\n5\r\n6\r\n",
                 {{"ABC", 1, 2}, {"", 3, 4}, {"X", 5, 6}},
                 {"6", 6, 6}},
        LoadCase{"ending after some initials",
                 "QQQ\r\n100\r\n5\r\nQQQ\r\n100\r\n5\r\nXYZ\r\n",
                 {{"QQQ", 100, 5}, {"QQQ", 100, 5}},
                 {"XYZ", 0, 0}},
        LoadCase{"ending in a number without a line end",
                 "AB\r\n5\r\n42",
                 {{"AB", 5, 42}},
                 {"42", 42, 42}},
        LoadCase{"empty", "", {}, {"", 0, 0}},
        // 1030 characters: a piece of 1023, then one of 7 that counts as the score line.
        LoadCase{"overlong line read in pieces",
                 std::string(1030, '9') + "\r\n5\r\n6\r\n",
                 {{"999", 9999999, 5}},
                 {"6", 6, 6}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(HighScoresTest, SaveIntoAMissingFolderFailsAndIsTold) {
    RecordedReports reports;
    const std::string missing = (directory / "absent" / "hiscores.dat").string();
    EXPECT_FALSE(SaveHighScores(SampleTable(), missing.c_str()));
    EXPECT_FALSE(fs::exists(directory / "absent"));
    EXPECT_EQ(reports.texts, std::vector<std::string>{"Could not save the high scores to " +
                                                      missing + ": No such file or directory"});
}

TEST_F(HighScoresTest, LoadingRemovesOnlyTheTemporariesThatNoSaveHolds) {
    const std::vector<std::string> others = {
        ".hiscores.dat.tmp-abc12", ".hiscores.dat.tmp-abc1234", ".hiscores.dat.tmp-ab.123",
        "hiscores.dat.tmp-abc123", ".hiscores.da.tmp-abc123",   "hiscores.dat.backup"};
    for (const std::string& name : others) std::ofstream(directory / name) << "kept";
    std::ofstream(directory / ".hiscores.dat.tmp-Ab3xY9") << "left by a killed save";
    std::string held = (directory / ".hiscores.dat.tmp-XXXXXX").string();
    FileHandle file{};
    ASSERT_FALSE(RealFileSystem().CreateTemporary(held, file));

    Load();
    std::vector<std::string> expected = others;
    expected.push_back(fs::path(held).filename().string());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Entries(), expected);
    RealFileSystem().Close(file);
    Load();
    EXPECT_EQ(Entries().size(), others.size()) << "once its save has ended it goes too";
}

// ---- saves whose steps fail: the old file stays whole, nothing is left behind, and the
// player is told once ----

class HighScoreSaveFaultTest : public HighScoresTest,
                               public testing::WithParamInterface<std::tuple<SaveStep, SaveError>> {
};

TEST_P(HighScoreSaveFaultTest, KeepsTheOldOrNewFileAndIsToldOnce) {
    const auto [step, error] = GetParam();
    const std::string old = "OLD\r\n1\r\n2\r\n";
    WriteFile(old);
    RecordedReports reports;
    FaultyFileSystem files(step, error.code);
    EXPECT_FALSE(SaveHighScores(SampleTable(), path.c_str(), files));
    EXPECT_FALSE(SaveHighScores(SampleTable(), path.c_str(), files));
    // A folder that cannot be synced fails only once the new file has its name.
    EXPECT_EQ(ReadFile(), step == SaveStep::SyncFolder ? FormatHighScores(SampleTable()) : old);
    EXPECT_EQ(Entries(), std::vector<std::string>{"hiscores.dat"});
    EXPECT_EQ(reports.texts, std::vector<std::string>{"Could not save the high scores to " + path +
                                                      ": " + error.words});
}

INSTANTIATE_TEST_SUITE_P(EveryStepAndError, HighScoreSaveFaultTest,
                         testing::Combine(testing::ValuesIn(kSaveSteps),
                                          testing::ValuesIn(kSaveErrors)),
                         [](const auto& info) {
                             return StepName(std::get<0>(info.param)) +
                                    std::to_string(info.index % kSaveErrors.size());
                         });

// A save killed before each of its steps leaves the old file, or the new one once renamed;
// the temporary it leaves goes at the next start.
class HighScoreSaveKillDeathTest : public HighScoresTest,
                                   public testing::WithParamInterface<SaveStep> {};

TEST_P(HighScoreSaveKillDeathTest, LeavesAWholeFileAndTheNextStartTidiesUp) {
    const std::string old = "OLD\r\n1\r\n2\r\n";
    WriteFile(old);
    FaultyFileSystem files = FaultyFileSystem::KillingAt(GetParam());
    EXPECT_EXIT(SaveHighScores(SampleTable(), path.c_str(), files),
                testing::KilledBySignal(SIGKILL), "");
    const bool renamed = GetParam() == SaveStep::SyncFolder;
    EXPECT_EQ(ReadFile(), renamed ? FormatHighScores(SampleTable()) : old);
    const bool leftTemporary = GetParam() != SaveStep::Create && !renamed;
    EXPECT_EQ(Entries().size(), leftTemporary ? 2u : 1u);
    Load();
    EXPECT_EQ(Entries(), std::vector<std::string>{"hiscores.dat"});
}

INSTANTIATE_TEST_SUITE_P(EveryStep, HighScoreSaveKillDeathTest, testing::ValuesIn(kSaveSteps),
                         [](const auto& info) { return StepName(info.param); });

namespace {

// Reads lines from text through ReadLine into one buffer, as loading does.
std::vector<std::string> ReadLines(std::string_view text, int count) {
    char buffer[1024] = "";
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
        ReadLine(text, buffer);
        lines.emplace_back(buffer);
    }
    return lines;
}

}  // namespace

TEST(ReadLine, DropsLfOrCrLfAndKeepsALoneCr) {
    EXPECT_EQ(ReadLines("a\nb\r\nc\rd\r\n\r\ne", 5),
              (std::vector<std::string>{"a", "b", "c\rd", "", "e"}));
}

TEST(ReadLine, CrLfCountsAsOneCharacterOfTheLimit) {
    // 1022 characters and CR LF fit one read; 1023 and LF leave an empty piece.
    EXPECT_EQ(ReadLines(std::string(1022, 'a') + "\r\nb\n", 2),
              (std::vector<std::string>{std::string(1022, 'a'), "b"}));
    EXPECT_EQ(ReadLines(std::string(1023, 'a') + "\nb\n", 3),
              (std::vector<std::string>{std::string(1023, 'a'), "", "b"}));
}

TEST(CopyBounded, StopsAtTheSmallerSizeOrTheNul) {
    char destination[4] = "zzz";
    CopyBounded("ABCDEF", 1024, destination, sizeof destination);
    EXPECT_STREQ(destination, "ABC");
    CopyBounded("ABCDEF", 3, destination, sizeof destination);
    EXPECT_STREQ(destination, "AB");
    CopyBounded("A", 1024, destination, sizeof destination);
    EXPECT_STREQ(destination, "A");
    CopyBounded("ABC", 0, destination, sizeof destination);
    EXPECT_STREQ(destination, "");
    char untouched[1] = {'q'};
    CopyBounded("ABC", 4, untouched, 0);
    EXPECT_EQ(untouched[0], 'q');
    CopyBounded("ABC", 4, untouched, 1);
    EXPECT_EQ(untouched[0], '\0');
}
