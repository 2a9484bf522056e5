// The end of a game through the headless runner: the game-over pause is lengthened by a
// pause, and a score of zero makes no high score.
#include <gtest/gtest.h>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

constexpr int kTitleTune = 145;
constexpr int kScreenGameOver = 2;
constexpr long kLongestUnshotGame = 3000;

// Ten entries scoring 0, as the high score file holds them.
std::string ZeroScoreFile() {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "Z" + std::to_string(i) + "\r\n0\r\n0\r\n";
    return text;
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
