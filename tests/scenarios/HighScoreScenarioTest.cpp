// A new high score through the headless runner on a full disk: the entry stays in play and
// the runner says once that the table could not be saved.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "support/SimRun.h"
#include "support/SimScenario.h"

namespace {

constexpr int kScreenEntry = 4;
constexpr int kCategoryGem = 1;  // as the dump prints a target's category
constexpr long kLongestGame = 3500;
constexpr long kAimStep = 300;
constexpr long kStepsToHit = 40;  // about: 11 updates to launch, then the flight
constexpr double kPull = 100;
// Virtual-key codes; letters are their own codes.
constexpr int kEnter = 13;

struct Entry {
    std::string initials;
    long long score, level;
};

std::string HighScoreFile(const std::vector<Entry>& entries) {
    std::string text;
    for (const Entry& e : entries) {
        text += e.initials + "\r\n" + std::to_string(e.score) + "\r\n" + std::to_string(e.level) +
                "\r\n";
    }
    return text;
}

std::vector<Entry> ZeroScores() {
    std::vector<Entry> entries;
    for (int i = 0; i < 10; ++i) entries.push_back({"Z" + std::to_string(i), 0, 0});
    return entries;
}

std::string Event(long step, const std::string& event) {
    return std::to_string(step) + " " + event + "\n";
}

// A game in which one shot is aimed at the oldest gem, then nothing more is done.
SimScenario OneGemGame(const std::vector<Entry>& table) {
    SimScenario game;
    game.highScoreFile = HighScoreFile(table);
    game.script = "1 down 100 100\n1 up 100 100\n";
    const JsonValue before = game.At(kAimStep);
    const auto& targets = before["targets"].array;
    const auto gem = std::find_if(targets.begin(), targets.end(), [](const JsonValue& target) {
        return target["category"].Int() == kCategoryGem;
    });
    if (gem == targets.end()) throw std::runtime_error("no gem to aim at");
    const double dx = (*gem)["x"].number - 144.0;
    const double dy = (*gem)["y"].number + (*gem)["speed"].number * kStepsToHit - 460.8;
    // The bands fling the ball back through the rest point, opposite to the pull.
    const long pullX = std::lround(-dx / std::hypot(dx, dy) * kPull);
    const long pullY = std::lround(-dy / std::hypot(dx, dy) * kPull);
    const std::string to = std::to_string(144 + pullX) + " " + std::to_string(300 + pullY);
    game.script += Event(kAimStep, "down 144 300") + Event(kAimStep + 1, "move " + to) +
                   Event(kAimStep + 2, "up " + to);
    return game;
}

// The table goes on a small file system of its own that is then filled up, in a mount
// namespace of the test's own (root only), so the save meets a real full disk.
TEST(HighScoreScenario, AFullDiskKeepsTheEntryInPlayAndSaysSo) {
    if (!SimIsNative()) GTEST_SKIP() << "the runner under test writes outside the namespace";
    if (geteuid() != 0 || std::system("unshare -m true 2>/dev/null") != 0) {
        GTEST_SKIP() << "a file system can be mounted only by root in its own mount namespace; "
                        "the saves under an injected ENOSPC are tested on their own";
    }
    SimScenario game = OneGemGame(ZeroScores());
    const long entry = game.StepScreenBegan(kScreenEntry, kLongestGame);
    const long enter = entry + 100;
    game.script += Event(entry + 50, "keyup 65") + Event(enter, "keyup " + std::to_string(kEnter));
    const std::string folder = MakeTempFolder("full-disk");
    const std::string disk = folder + "/disk";
    std::filesystem::create_directory(disk);
    std::ofstream(folder + "/script.txt") << game.script;
    std::ofstream(folder + "/hiscores.dat", std::ios::binary) << HighScoreFile(ZeroScores());
    const std::string run =
        "mount -t tmpfs -o size=64k pebblor-full disk || exit 99; cp hiscores.dat disk/; "
        "cat /dev/zero > disk/filler 2>/dev/null; cd disk && timeout -k 10 120 " +
        SimProgram() + " --script ../script.txt --steps " + std::to_string(enter + 10) +
        " --dump-every 0 --dump ../dump.jsonl 2> ../stderr.txt; status=$?; "
        "cp hiscores.dat ../after.dat; exit $status";
    const int raw = std::system(
        ("cd " + ShellQuote(folder) + " && unshare -m sh -c " + ShellQuote(run)).c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    if (WEXITSTATUS(raw) == 99) GTEST_SKIP() << "no tmpfs can be mounted here";
    EXPECT_EQ(WEXITSTATUS(raw), 0);
    EXPECT_EQ(ReadFile(folder + "/stderr.txt"), "pebblor-sim: Could not save the high scores to " +
                                                    std::filesystem::canonical(disk).string() +
                                                    "/hiscores.dat: No space left on device\n");
    EXPECT_EQ(ReadFile(folder + "/after.dat"), HighScoreFile(ZeroScores()));
    const JsonValue last = JsonValue::Parse(ReadFile(folder + "/dump.jsonl"));
    EXPECT_EQ(last["screen"].Int(), 0);
    EXPECT_EQ(last["highScores"][0]["initials"].string, "A");
}

}  // namespace
