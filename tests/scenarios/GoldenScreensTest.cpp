// The play screen's pictures against recorded ones: each screen is played in the headless
// runner beside copies of the generated bitmaps, its back buffer's hash is compared with
// golden/screens.txt and its picture is left in <build>/tests/golden-screens/ for review.
// After an intended change of a picture, run with PEBBLOR_UPDATE_GOLDEN=1 to rewrite the
// golden file in the source tree instead of comparing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gfx/TempDir.h"
#include "platform/FieldGeometry.h"
#include "support/DumpQueries.h"
#include "support/GeneratedArt.h"
#include "support/GoldenFile.h"
#include "support/SimRun.h"

namespace fs = std::filesystem;

namespace {

constexpr int kStartClock = 5000;
constexpr int kScreenTitle = 0;
constexpr int kScreenPlaying = 1;
constexpr int kScreenGameOver = 2;
constexpr int kScreenEntry = 4;
constexpr long kLongestUnshotGame = 4000;
constexpr long kSampleEvery = 50;  // shorter than the game-over pause and the entry screen
constexpr int kNoDrag = -10000;

const std::string kStartGame = "1 down 100 100\n1 up 100 100\n";

// A table whose last entry lies below zero, so even a game without a hit makes it.
std::string TableBeatenByAnyGame() {
    std::string text;
    for (int i = 0; i < 9; ++i) {
        text +=
            "AAA\r\n" + std::to_string(1000 - 100 * i) + "\r\n" + std::to_string(9 - i) + "\r\n";
    }
    return text + "ZZZ\r\n-1\r\n0\r\n";
}

std::string Event(long step, const std::string& event) {
    return std::to_string(step) + " " + event + "\n";
}

// One screen to be pictured: the runner's input, and what its state must show for the
// picture to be the one its name promises.
struct Screen {
    std::string name;
    long step = 0;
    std::string script;
    std::string highScoreFile;
    std::function<void(const JsonValue&)> expectShown;
};

// A run of the runner in a fresh folder beside the bitmaps.
class ArtRun {
public:
    explicit ArtRun(const std::string& highScoreFile) {
        CopyGeneratedArt(PEBBLOR_ART_FOLDER, folder_.Path());
        if (!highScoreFile.empty()) {
            std::ofstream(folder_ / "hiscores.dat", std::ios::binary) << highScoreFile;
        }
    }
    std::vector<JsonValue> Run(std::vector<std::string> arguments, const std::string& script) {
        arguments.insert(arguments.begin(), {"--clock", std::to_string(kStartClock)});
        SimResult result = RunSim(arguments, script, folder_.Path().string());
        if (result.status != 0) {
            throw std::runtime_error("pebblor-sim exited with " + std::to_string(result.status) +
                                     ": " + result.errorText);
        }
        return std::move(result.dump);
    }

private:
    TempDir folder_;
};

// The step in which an unshot game first shows `screen`.
long StepScreenBegan(int screen, const std::string& highScoreFile) {
    ArtRun run(highScoreFile);
    const std::vector<std::string> sampling{"--steps", std::to_string(kLongestUnshotGame),
                                            "--dump-every", std::to_string(kSampleEvery)};
    for (const JsonValue& state : run.Run(sampling, kStartGame)) {
        if (state["screen"].Int() == screen)
            return long(state["step"].Int() - state["screenTime"].Int());
    }
    throw std::runtime_error("an unshot game never shows screen " + std::to_string(screen));
}

std::vector<Screen> Screens() {
    std::vector<Screen> screens;
    screens.push_back({"title", 30, "", "", [](const JsonValue& state) {
                           EXPECT_EQ(state["screen"].Int(), kScreenTitle);
                           EXPECT_EQ(state["highScores"].Size(), 10u);
                       }});
    screens.push_back({"playing", 150, kStartGame, "", [](const JsonValue& state) {
                           EXPECT_EQ(state["screen"].Int(), kScreenPlaying);
                           EXPECT_LT(state["screenTime"].Int(), 400);  // the first hint shows
                           EXPECT_NE(SlingshotBall(state), nullptr);
                           EXPECT_FALSE(TargetsOfCategory(state, kCategoryGem).empty());
                       }});
    screens.push_back({"dragged", 153,
                       kStartGame + Event(150, "down 144 300") + Event(151, "move 170 370"), "",
                       [](const JsonValue& state) {
                           EXPECT_EQ(state["screen"].Int(), kScreenPlaying);
                           EXPECT_NE(state["dragAnchorX"].Int(), kNoDrag);
                           const JsonValue* ball = SlingshotBall(state);
                           ASSERT_NE(ball, nullptr);
                           EXPECT_EQ((*ball)["released"].Int(), 0);
                           EXPECT_GT((*ball)["y"].number, kSlingshotLineY + 50);
                       }});
    screens.push_back(
        {"paused", 155, kStartGame + Event(150, "key 80"), "", [](const JsonValue& state) {
             EXPECT_EQ(state["screen"].Int(), kScreenPlaying);
             EXPECT_EQ(state["paused"].Int(), 1);
         }});
    const long gameOver = StepScreenBegan(kScreenGameOver, "");
    screens.push_back({"game-over", gameOver + 30, kStartGame, "", [](const JsonValue& state) {
                           EXPECT_EQ(state["screen"].Int(), kScreenGameOver);
                           EXPECT_EQ(state["madeHighScore"].Int(), 0);
                       }});
    // Two initials typed, shown at a screenTime whose cursor phase is on.
    const std::string table = TableBeatenByAnyGame();
    const long entry = StepScreenBegan(kScreenEntry, table);
    screens.push_back({"entry", entry + 6,
                       kStartGame + Event(entry + 1, "keyup 65") + Event(entry + 2, "keyup 66"),
                       table, [](const JsonValue& state) {
                           EXPECT_EQ(state["screen"].Int(), kScreenEntry);
                           EXPECT_EQ(state["initials"].string, "AB");
                           EXPECT_EQ(state["screenTime"].Int() / 5 % 2, 1);  // cursor shown
                       }});
    return screens;
}

fs::path PictureFolder() {
    const fs::path folder = fs::absolute("golden-screens");
    fs::create_directories(folder);
    return folder;
}

// Plays the screen and returns its state, leaving its picture at `picture`.
JsonValue Picture(const Screen& screen, const fs::path& picture) {
    ArtRun run(screen.highScoreFile);
    std::vector<JsonValue> dump =
        run.Run({"--steps", std::to_string(screen.step), "--dump-every", "0", "--png",
                 std::to_string(screen.step) + ":" + picture.string()},
                screen.script);
    if (dump.size() != 1) throw std::runtime_error("expected one dumped step");
    return std::move(dump.front());
}

// One test for all screens: in update mode they are written to the golden file together.
TEST(GoldenScreens, EveryScreenLooksAsRecorded) {
    GoldenFile golden(PEBBLOR_GOLDEN_FILE);
    const fs::path pictures = PictureFolder();
    std::vector<GoldenEntry> taken;
    for (const Screen& screen : Screens()) {
        SCOPED_TRACE("screen " + screen.name);
        const fs::path picture = pictures / (screen.name + ".png");
        const JsonValue state = Picture(screen, picture);
        ASSERT_EQ(state["step"].Int(), screen.step);
        ASSERT_TRUE(state["frameRan"].boolean);
        screen.expectShown(state);
        ASSERT_TRUE(fs::is_regular_file(picture));
        taken.push_back({screen.name, screen.step, state["frameHash"].string});
        if (UpdatingGolden()) continue;

        const GoldenEntry* recorded = golden.Find(screen.name);
        if (recorded == nullptr) {
            ADD_FAILURE() << "no line for this screen in " << golden.Path()
                          << "; record it with PEBBLOR_UPDATE_GOLDEN=1";
            continue;
        }
        EXPECT_TRUE(recorded->step == screen.step && recorded->hash == taken.back().hash)
            << "recorded: step " << recorded->step << ", hash " << recorded->hash
            << "\ndrawn: step " << screen.step << ", hash " << taken.back().hash
            << "\npicture: " << picture.string()
            << "\nif the change is intended, rerun with PEBBLOR_UPDATE_GOLDEN=1";
    }
    if (UpdatingGolden()) {
        ASSERT_FALSE(::testing::Test::HasFailure()) << "golden file left unchanged";
        ASSERT_TRUE(golden.Rewrite(taken)) << "could not write " << golden.Path();
        std::cout << "rewrote " << golden.Path().string() << "; pictures in " << pictures.string()
                  << '\n';
        return;
    }
    EXPECT_EQ(golden.Entries().size(), taken.size()) << "stale lines in " << golden.Path();
}

}  // namespace
