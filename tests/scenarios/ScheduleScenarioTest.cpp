// The spawn schedule of a game in which nobody shoots, through the headless runner: a gem
// in the first playing frame and then every 75 frames, the first capsule at playClock 500,
// the first big gem at 1000, the first slide-out at 1200, and the level rising with the
// gems made.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

constexpr int kCapsuleSound = 167;
constexpr int kSlideOutSound = 168;

// Where gems and big gems enter: a random x across the field.
float EntryX(int random) { return float((random % 10000) * 0.0268 + 10.0); }

TEST(ScheduleScenario, TheFirstGemComesInTheFirstPlayingFrameAboveTheFieldAndFalls) {
    const SimScenario game = UnshotGame();
    const JsonValue before = game.At(1);
    const JsonValue first = game.At(2);
    EXPECT_EQ(first["playClock"].Int(), 1);
    EXPECT_EQ(first["gemsSpawned"].Int(), 1);
    const auto gems = TargetsOfCategory(first, kCategoryGem);
    ASSERT_EQ(gems.size(), 1u);
    EXPECT_EQ(gems[0]["type"].string, "GO_SHIP");
    EXPECT_EQ(gems[0]["kind"].Int(), 0);
    EXPECT_FLOAT_EQ(float(gems[0]["y"].number), -15.0f);
    // The gem reseeds the generator from gemSeed; its x is the next number after that.
    RandomReplay random(uint32_t(before["gemSeed"].Int()));
    const int nextSeed = random.Next();
    EXPECT_EQ(first["gemSeed"].Int(), nextSeed);
    EXPECT_FLOAT_EQ(float(gems[0]["x"].number), EntryX(random.Next()));
    // It falls by its speed.
    const auto fallen = TargetsOfCategory(game.At(3), kCategoryGem);
    ASSERT_EQ(fallen.size(), 1u);
    EXPECT_FLOAT_EQ(float(fallen[0]["speed"].number), 0.2f);
    EXPECT_FLOAT_EQ(float(fallen[0]["y"].number), -15.0f + 0.2f);
}

TEST(ScheduleScenario, OneGemEverySeventyFiveFramesWhileTheGameLasts) {
    const SimScenario game = UnshotGame();
    EXPECT_EQ(game.At(76)["gemsSpawned"].Int(), 1);
    const JsonValue second = game.At(77);
    EXPECT_EQ(second["gemsSpawned"].Int(), 2);
    EXPECT_EQ(TargetsOfCategory(second, kCategoryGem).size(), 2u);
    int playing = 0;
    for (const JsonValue& state : game.Every(25, 2400)) {
        if (state["screen"].Int() != 1) continue;
        ++playing;
        EXPECT_EQ(state["gemsSpawned"].Int(), (state["playClock"].Int() + 74) / 75)
            << "step " << state["step"].Int();
    }
    EXPECT_GT(playing, 80);
}

TEST(ScheduleScenario, TheLevelRisesWithTheGemsMade) {
    long long highest = 0;
    for (const JsonValue& state : UnshotGame().Every(25, 2400)) {
        if (state["screen"].Int() != 1) continue;
        // Each gem's level is (Random mod 5 + gems made before it) / 20.
        const long long made = state["gemsSpawned"].Int();
        EXPECT_GE(state["level"].Int(), (made - 1) / 20) << "step " << state["step"].Int();
        EXPECT_LE(state["level"].Int(), (made + 3) / 20) << "step " << state["step"].Int();
        highest = std::max(highest, state["level"].Int());
    }
    EXPECT_EQ(highest, 1);
}

TEST(ScheduleScenario, TheFirstCapsuleComesAtPlayClock500FromOneSide) {
    const SimScenario game = UnshotGame();
    const JsonValue before = game.At(500);
    EXPECT_TRUE(TargetsOfCategory(before, kCategoryPowerUp).empty());
    const JsonValue state = game.At(501);
    EXPECT_EQ(state["playClock"].Int(), 500);
    EXPECT_TRUE(Played(state, kCapsuleSound));
    const auto capsules = ObjectsOfType(state["targets"], "GO_POWERUP");
    ASSERT_EQ(capsules.size(), 1u);
    // Drawn in this order: the shot kind, the side, then the capsule's own drift.
    RandomReplay random(uint32_t(before["randomState"].Int()));
    const int shotKind = random.Next() % 7;
    const int side = random.Next() % 2;
    const float drift = float(random.Next() % 1000 - 500) * 0.001f;
    EXPECT_EQ(capsules[0]["shotKind"].Int(), shotKind);
    EXPECT_FLOAT_EQ(float(capsules[0]["x"].number), side == 0 ? 308.0f : -20.0f);
    EXPECT_FLOAT_EQ(float(capsules[0]["y"].number), 200.0f);
    EXPECT_FLOAT_EQ(float(capsules[0]["vx"].number), side == 0 ? -1.0f : 1.0f);
    EXPECT_FLOAT_EQ(float(capsules[0]["vy"].number), drift);
}

TEST(ScheduleScenario, TheFirstBigGemComesAtPlayClock1000) {
    const SimScenario game = UnshotGame();
    const JsonValue before = game.At(1000);
    EXPECT_TRUE(TargetsOfCategory(before, kCategoryBigGem).empty());
    const JsonValue state = game.At(1001);
    EXPECT_EQ(state["bigGemCount"].Int(), 1);
    const auto bigGems = TargetsOfCategory(state, kCategoryBigGem);
    ASSERT_EQ(bigGems.size(), 1u);
    EXPECT_EQ(bigGems[0]["type"].string, "GO_SHIP");
    EXPECT_EQ(bigGems[0]["kind"].Int(), 0);
    EXPECT_EQ(bigGems[0]["hitPoints"].Int(), 5);
    EXPECT_FLOAT_EQ(float(bigGems[0]["y"].number), -25.0f);
    RandomReplay random(uint32_t(before["gemSeed"].Int()));
    EXPECT_EQ(state["gemSeed"].Int(), random.Next());
    EXPECT_FLOAT_EQ(float(bigGems[0]["x"].number), EntryX(random.Next()));
}

TEST(ScheduleScenario, TheFirstSlideOutComesAtPlayClock1200) {
    const SimScenario game = UnshotGame();
    const JsonValue before = game.At(1200);
    EXPECT_TRUE(TargetsOfCategory(before, kCategorySlideOut).empty());
    const JsonValue state = game.At(1201);
    EXPECT_TRUE(Played(state, kSlideOutSound));
    const auto panels = ObjectsOfType(state["targets"], "GO_SLIDEOUT");
    ASSERT_EQ(panels.size(), 1u);
    // Drawn in this order: the effect, the height, the side.
    RandomReplay random(uint32_t(before["randomState"].Int()));
    const int slideKind = random.Next() % 9;
    const float y = float(random.Next() % 200 + 100);
    const int side = 2 * (random.Next() % 2) - 1;
    EXPECT_EQ(panels[0]["slideKind"].Int(), slideKind);
    EXPECT_FLOAT_EQ(float(panels[0]["y"].number), y);
    EXPECT_EQ(panels[0]["side"].Int(), side);
    EXPECT_FLOAT_EQ(float(panels[0]["x"].number), -100.0f);  // placed by its first update
    const JsonValue next = game.At(1202);
    const auto moved = ObjectsOfType(next["targets"], "GO_SLIDEOUT");
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_NEAR(moved[0]["x"].number, side > 0 ? 301.65 : -13.65, 0.01);
}

}  // namespace
