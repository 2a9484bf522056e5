// What each screen presents, through the headless runner: texts are redrawn every frame
// and mark their whole rectangles, so those rectangles reach the window while shown, and
// nothing reaches it where no text stands any more.
#include <gtest/gtest.h>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

constexpr Area kScoreLine{30, 546, 288, 573};
constexpr Area kLevelLine{0, 546, 258, 573};
constexpr Area kMessageArea{0, 340, 288, 407};  // hints while playing, then GAME OVER
constexpr Area kHighScoresHeading{0, 220, 288, 240};
constexpr Area kClickToStart{0, 540, 288, 576};  // (0, 540, 288, 607) clipped to the field

TEST(HudScenario, TheTitlePresentsItsHeadingAndTheInvitationEveryFrame) {
    const JsonValue state = SimScenario{}.At(5);
    EXPECT_TRUE(PresentsAll(state, kHighScoresHeading));
    EXPECT_TRUE(PresentsAll(state, kClickToStart));
}

TEST(HudScenario, PlayPresentsTheScoreAndLevelLinesAndTheHintsInTheirTime) {
    const SimScenario game = UnshotGame();
    const JsonValue early = game.At(50);
    EXPECT_TRUE(PresentsAll(early, kScoreLine));
    EXPECT_TRUE(PresentsAll(early, kLevelLine));
    EXPECT_TRUE(PresentsAll(early, kMessageArea));  // the first hint, up to screenTime 400

    const JsonValue between = game.At(450);  // no hint from 400 to 500
    EXPECT_TRUE(PresentsAll(between, kScoreLine));
    EXPECT_FALSE(PresentsAny(between, kMessageArea));

    const JsonValue later = game.At(600);  // the second hint, after 500
    EXPECT_TRUE(PresentsAll(later, kMessageArea));
}

TEST(HudScenario, GameOverPresentsItsBannerAndNoLongerTheScoreLine) {
    const SimScenario game = UnshotGame();
    const long end = game.StepScreenBegan(2, 3000);
    const JsonValue state = game.At(end + 2);  // the frame after the last score line's erasure
    EXPECT_EQ(state["screen"].Int(), 2);
    EXPECT_TRUE(PresentsAll(state, kMessageArea));
    EXPECT_FALSE(PresentsAny(state, kScoreLine));
}

}  // namespace
