// What a ball's hit on each of the nine offers does: objects made, the panel's fate, the
// counters, the sounds, and whether the ball is consumed.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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

// Objects thrown from (x, y) in a fan: at a = (start + 0.05 i) pi, object i flies with
// vy = 4 sign cos a, and vx = -4 sign sin a unless its own rule `vx` is given.
template <typename T>
void ExpectFan(const std::vector<T*>& fan, size_t count, float x, float y, double start,
               double sign, const std::function<float(size_t)>& vx) {
    ASSERT_EQ(fan.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const double a = (start + 0.05 * double(i)) * std::numbers::pi;
        EXPECT_EQ(fan[i]->x, x);
        EXPECT_EQ(fan[i]->y, y);
        EXPECT_NEAR(fan[i]->vy, 4.0 * sign * std::cos(a), 1e-5) << i;
        if (vx) {
            EXPECT_FLOAT_EQ(fan[i]->vx, vx(i)) << i;
        } else {
            EXPECT_NEAR(fan[i]->vx, -4.0 * sign * std::sin(a), 1e-5) << i;
        }
    }
}

TEST_F(SlideOutActivate, BreakUpFansElevenFragmentsTowardTheMiddle) {
    for (int side : {1, -1}) {
        SlideOut* panel = AddParkedPanel(side, 220.0f, SlideKind::BreakUp);
        Ball ball(-1);
        audio.ClearPlayed();
        EXPECT_EQ(panel->Activate(&ball), 1);
        EXPECT_TRUE(panel->dead);
        const auto fragments = ShotsOfType<Ball>();
        ExpectFan(fragments, 11, panel->x, 220.0f, 0.25, side, nullptr);
        for (const Ball* fragment : fragments) EXPECT_EQ(fragment->GetShotKind(), ShotKind::XFrag);
        ASSERT_EQ(audio.Played().size(), 1u);
        EXPECT_TRUE(IsHitSound(audio.Played()[0]));
        while (NamedObject* object = shotList.First()) {
            shotList.Remove(object);
            delete object;
        }
    }
}

// Smoke and mines take one random number each for their horizontal speed; the hit sound
// takes the next.
TEST_F(SlideOutActivate, SmokeThrowsSixPuffsAndMinesElevenFromALeftPanel) {
    SlideOut* smoke = AddParkedPanel(1, 260.0f, SlideKind::Smoke);
    std::vector<int> numbers = PeekRandom(7);
    Ball ball(-1);
    EXPECT_EQ(smoke->Activate(&ball), 1);
    EXPECT_TRUE(smoke->dead);
    ExpectFan(ShotsOfType<Smoke>(), 6, smoke->x, 260.0f, 0.5, -1,
              [&](size_t i) { return -(1.0f + float(numbers[i]) * 0.00015259255f); });
    EXPECT_EQ(audio.Played(), (std::vector<int>{173 + numbers[6] % 3}));

    audio.ClearPlayed();
    LetSoundsEnd();
    SlideOut* mines = AddParkedPanel(-1, 140.0f, SlideKind::Mines);
    numbers = PeekRandom(12);
    EXPECT_EQ(mines->Activate(&ball), 1);
    EXPECT_TRUE(mines->dead);
    ExpectFan(ShotsOfType<Mine>(), 11, mines->x, 140.0f, 0.25, -1,
              [&](size_t i) { return 1.0f + float(numbers[i]) * 0.00015259255f; });
    for (const Mine* mine : ShotsOfType<Mine>()) EXPECT_EQ(mine->age, 0);
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
