// What a ball's hit on each of the nine offers does: objects made, the panel's fate, the
// counters, the sounds, and whether the ball is consumed.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "SlideOutFixture.h"
#include "objects/DeathRing.h"
#include "objects/Mine.h"
#include "objects/ShotKind.h"
#include "objects/Smoke.h"

namespace {

using SlideOutActivate = SlideOutFixture;

template <typename T>
std::vector<T*> ShotsOfType() {
    std::vector<T*> found;
    for (NamedObject* item = shotList.First(); item != nullptr; item = shotList.Next()) {
        if (auto* object = dynamic_cast<T*>(item)) found.push_back(object);
    }
    return found;
}

// The next `count` numbers of Random, leaving the generator where it was.
std::vector<int> PeekRandom(int count) {
    const uint32_t state = randomGenerator.State();
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(Random());
    randomGenerator.Seed(state);
    return numbers;
}

bool IsHitSound(int clip) { return clip >= 173 && clip <= 175; }

}  // namespace

TEST_F(SlideOutActivate, BlastRingsTheFieldFromThePanel) {
    SlideOut* panel = AddParkedPanel(1, 180.0f, SlideKind::Blast);
    Ball ball(-1);
    EXPECT_EQ(panel->Activate(&ball), 1);
    EXPECT_TRUE(panel->dead);

    const auto rings = ShotsOfType<DeathRing>();
    ASSERT_EQ(rings.size(), 1u);
    EXPECT_EQ(rings[0]->x, panel->x);
    EXPECT_EQ(rings[0]->y, 180.0f);
    EXPECT_EQ(rings[0]->maxRadius, 500);
    EXPECT_EQ(audio.Played(), (std::vector<int>{159}));
    EXPECT_EQ(soundPlayer.priority, 4);
    EXPECT_EQ(soundPlayer.busyUntil, clock.Now() + 3000);
}

TEST_F(SlideOutActivate, StandingOffersTurnIntoTheirStates) {
    struct Case {
        int offer, state, stops, warps;
        std::vector<int> sounds;
    };
    const Case cases[] = {
        {SlideKind::Barrier, SlideKind::ActiveBarrier, 0, 0, {}},
        {SlideKind::TimeStop, SlideKind::ActiveTimeStop, 1, 0, {}},
        {SlideKind::BlackHole, SlideKind::ActiveBlackHole, 0, 0, {}},
        {SlideKind::TimeWarp, SlideKind::ActiveTimeWarp, 0, 1, {169}},
    };
    for (const Case& c : cases) {
        timeStopCount = timeWarpCount = 0;
        audio.ClearPlayed();
        SlideOut panel(1, 150.0f, c.offer);
        Ball ball(-1);
        EXPECT_EQ(panel.Activate(&ball), 1) << c.offer;
        EXPECT_EQ(panel.slideKind, c.state);
        EXPECT_FALSE(panel.dead);
        EXPECT_EQ(timeStopCount, c.stops);
        EXPECT_EQ(timeWarpCount, c.warps);
        EXPECT_EQ(audio.Played(), c.sounds);
        EXPECT_EQ(Count(shotList), 0);
        // A second hit on the standing panel lets the ball through and changes nothing.
        EXPECT_EQ(panel.Activate(&ball), 0);
        EXPECT_EQ(panel.slideKind, c.state);
        EXPECT_EQ(timeStopCount, c.stops);
        EXPECT_EQ(timeWarpCount, c.warps);
        EXPECT_EQ(audio.Played(), c.sounds);
    }
    EXPECT_EQ(soundPlayer.priority, 4);  // the time warp's
}

TEST_F(SlideOutActivate, BreakUpFansElevenFragmentsTowardTheMiddle) {
    for (int side : {1, -1}) {
        SlideOut* panel = AddParkedPanel(side, 220.0f, SlideKind::BreakUp);
        Ball ball(-1);
        audio.ClearPlayed();
        EXPECT_EQ(panel->Activate(&ball), 1);
        EXPECT_TRUE(panel->dead);

        const auto fragments = ShotsOfType<Ball>();
        ASSERT_EQ(fragments.size(), 11u);
        for (size_t i = 0; i < fragments.size(); ++i) {
            const Ball& fragment = *fragments[i];
            const double a = (0.25 + 0.05 * double(i)) * std::numbers::pi;
            EXPECT_EQ(fragment.GetShotKind(), ShotKind::XFrag);
            EXPECT_EQ(fragment.x, panel->x);
            EXPECT_EQ(fragment.y, 220.0f);
            EXPECT_NEAR(fragment.vx, -4.0 * side * std::sin(a), 1e-5) << i;
            EXPECT_NEAR(fragment.vy, 4.0 * side * std::cos(a), 1e-5) << i;
        }
        ASSERT_EQ(audio.Played().size(), 1u);
        EXPECT_TRUE(IsHitSound(audio.Played()[0]));

        while (NamedObject* object = shotList.First()) {
            shotList.Remove(object);
            delete object;
        }
    }
}

TEST_F(SlideOutActivate, SmokeThrowsSixPuffsWithOneRandomNumberEach) {
    SlideOut* panel = AddParkedPanel(1, 260.0f, SlideKind::Smoke);
    const std::vector<int> numbers = PeekRandom(7);
    Ball ball(-1);
    EXPECT_EQ(panel->Activate(&ball), 1);
    EXPECT_TRUE(panel->dead);

    const auto puffs = ShotsOfType<Smoke>();
    ASSERT_EQ(puffs.size(), 6u);
    for (size_t i = 0; i < puffs.size(); ++i) {
        const double a = (0.5 + 0.05 * double(i)) * std::numbers::pi;
        EXPECT_EQ(puffs[i]->x, panel->x);
        EXPECT_EQ(puffs[i]->y, 260.0f);
        EXPECT_FLOAT_EQ(puffs[i]->vx, -(1.0f + float(numbers[i]) * 0.00015259255f)) << i;
        EXPECT_NEAR(puffs[i]->vy, -4.0 * std::cos(a), 1e-5) << i;
    }
    // The hit sound takes the seventh number.
    EXPECT_EQ(audio.Played(), (std::vector<int>{173 + numbers[6] % 3}));
}

TEST_F(SlideOutActivate, MinesFanElevenThrowsFromALeftPanel) {
    SlideOut* panel = AddParkedPanel(-1, 140.0f, SlideKind::Mines);
    const std::vector<int> numbers = PeekRandom(12);
    Ball ball(-1);
    EXPECT_EQ(panel->Activate(&ball), 1);
    EXPECT_TRUE(panel->dead);

    const auto mines = ShotsOfType<Mine>();
    ASSERT_EQ(mines.size(), 11u);
    for (size_t i = 0; i < mines.size(); ++i) {
        const double a = (0.25 + 0.05 * double(i)) * std::numbers::pi;
        EXPECT_EQ(mines[i]->x, panel->x);
        EXPECT_EQ(mines[i]->y, 140.0f);
        EXPECT_EQ(mines[i]->age, 0);
        EXPECT_FLOAT_EQ(mines[i]->vx, 1.0f + float(numbers[i]) * 0.00015259255f) << i;
        EXPECT_NEAR(mines[i]->vy, -4.0 * std::cos(a), 1e-5) << i;
    }
    EXPECT_EQ(audio.Played(), (std::vector<int>{173 + numbers[11] % 3}));
}

TEST_F(SlideOutActivate, UnknownKindsLetTheBallThrough) {
    for (int kind : {9, -1}) {
        SlideOut panel(1, 150.0f, kind);
        Ball ball(-1);
        EXPECT_EQ(panel.Activate(&ball), 0) << kind;
        EXPECT_FALSE(panel.dead);
        EXPECT_EQ(panel.slideKind, kind);
        panel.slideKind = SlideKind::Blast;
    }
    EXPECT_EQ(Count(shotList), 0);
    EXPECT_TRUE(audio.Played().empty());
}
