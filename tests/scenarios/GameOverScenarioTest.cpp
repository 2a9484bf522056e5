// The end of a game through the headless runner: a gem that reaches the slingshot line
// ends it with the fail zap, and the game-over pause of 101 updates (longer when paused)
// leads back to the title when the score made no high score.
#include <gtest/gtest.h>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

constexpr int kTitleTune = 145;
constexpr int kGameOverSound = 157;
constexpr int kScreenGameOver = 2;
constexpr long kLongestUnshotGame = 3000;

// Ten entries scoring 0, as the high score file holds them.
std::string ZeroScoreFile() {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "Z" + std::to_string(i) + "\r\n0\r\n0\r\n";
    return text;
}

TEST(GameOverScenario, AGemAtTheLineEndsTheGameWithAFailZapOnItAndA101UpdatePause) {
    const SimScenario game = UnshotGame();
    const long end = game.StepScreenBegan(kScreenGameOver, kLongestUnshotGame);
    EXPECT_EQ(game.At(end - 1)["screen"].Int(), 1);

    const JsonValue state = game.At(end);
    EXPECT_EQ(state["screen"].Int(), 2);
    EXPECT_EQ(state["screenTime"].Int(), 0);
    EXPECT_TRUE(Played(state, kGameOverSound));
    EXPECT_EQ(state["madeHighScore"].Int(), 0);
    const auto zaps = ObjectsOfType(state["shots"], "GO_FAIL_ZAP");
    ASSERT_EQ(zaps.size(), 1u);
    EXPECT_EQ(zaps[0]["size"].Int(), 2);  // made before the walk of the shot list reached it
    bool onAGemAtTheLine = false;
    for (const JsonValue& gem : TargetsOfCategory(state, kCategoryGem)) {
        onAGemAtTheLine = onAGemAtTheLine ||
                          (gem["y"].number >= 460.8 && gem["x"].number == zaps[0]["x"].number &&
                           gem["y"].number == zaps[0]["y"].number);
    }
    EXPECT_TRUE(onAGemAtTheLine);

    // The pause lasts 101 updates and spawns nothing.
    const JsonValue last = game.At(end + 100);
    EXPECT_EQ(last["screen"].Int(), 2);
    EXPECT_EQ(last["screenTime"].Int(), 100);
    EXPECT_EQ(last["gemsSpawned"].Int(), state["gemsSpawned"].Int());
    EXPECT_EQ(last["playClock"].Int(), state["playClock"].Int());
    EXPECT_EQ(TargetsOfCategory(last, kCategoryGem).size(),  // gems stay until the end
              TargetsOfCategory(state, kCategoryGem).size());
    EXPECT_EQ(ObjectsOfType(last["shots"], "GO_FAIL_ZAP").size(), 0u);  // 91 updates long

    const JsonValue title = game.At(end + 101);
    EXPECT_EQ(title["screen"].Int(), 0);
    EXPECT_EQ(title["screenTime"].Int(), 0);
    EXPECT_EQ(title["targets"].Size(), 0u);
    EXPECT_EQ(title["shots"].Size(), 0u);
    EXPECT_TRUE(Played(title, kTitleTune));
}

TEST(GameOverScenario, PausingDuringTheGameOverPauseLengthensIt) {
    SimScenario game = UnshotGame();
    const long end = game.StepScreenBegan(kScreenGameOver, kLongestUnshotGame);
    game.script += std::to_string(end + 10) + " key 80\n" + std::to_string(end + 30) + " key 80\n";
    EXPECT_EQ(game.At(end + 120)["screen"].Int(), 2);  // 20 updates stood still
    const JsonValue title = game.At(end + 121);
    EXPECT_EQ(title["screen"].Int(), 0);
    EXPECT_TRUE(Played(title, kTitleTune));
}

TEST(GameOverScenario, AScoreOfZeroMakesNoHighScoreEvenAgainstATableOfZeros) {
    SimScenario game = UnshotGame();
    game.highScoreFile = ZeroScoreFile();
    const long end = game.StepScreenBegan(kScreenGameOver, kLongestUnshotGame);
    EXPECT_EQ(game.At(end)["madeHighScore"].Int(), 0);
    const JsonValue after = game.At(end + 101);
    EXPECT_EQ(after["screen"].Int(), 0);
    EXPECT_EQ(after["highScores"][0]["initials"].string, "Z0");
}

}  // namespace
