// Power-up capsules at their edges: the middle of the field, the frame each ends on, and
// labels outside the shot kinds.
#include "objects/PowerUp.h"
#include "support/PlayfieldFixture.h"

class PowerUpTest : public PlayfieldFixture {};

TEST_F(PowerUpTest, HeadsAwayFromTheSideOfTheFieldItStartsOn) {
    EXPECT_EQ(PowerUp(143.9f, 200.0f, 0).vx, 1.0f);
    EXPECT_EQ(PowerUp(144.0f, 200.0f, 0).vx, -1.0f);
}

TEST_F(PowerUpTest, CrossesTheFieldAndEndsPastTheFarEdge) {
    for (const float startX : {308.0f, -20.0f}) {
        PowerUp capsule(startX, 200.0f, 1);
        const float vy = capsule.vy;
        capsule.Update(1.0f);
        EXPECT_EQ(capsule.x, startX == 308.0f ? 307.0f : -19.0f);
        EXPECT_FLOAT_EQ(capsule.y, 200.0f + vy);
        EXPECT_EQ(capsule.lifetime, 399);
        for (int n = 2; n <= 328; ++n) {
            capsule.Update(1.0f);
            ASSERT_FALSE(capsule.dead) << "update " << n;
        }
        EXPECT_EQ(capsule.x, startX == 308.0f ? -20.0f : 308.0f);
        capsule.Update(1.0f);  // the 329th
        EXPECT_TRUE(capsule.dead);
        EXPECT_EQ(capsule.lifetime, 71);
    }
}

TEST_F(PowerUpTest, LifetimeEndsAStalledCapsule) {
    PowerUp capsule(100.0f, 200.0f, 1);
    capsule.vx = 0;
    for (int n = 1; n < 400; ++n) capsule.Update(1.0f);
    EXPECT_FALSE(capsule.dead);
    capsule.Update(1.0f);
    EXPECT_TRUE(capsule.dead);
    EXPECT_EQ(capsule.lifetime, 0);
    capsule.Update(1.0f);
    EXPECT_EQ(capsule.lifetime, 0);
}

TEST_F(PowerUpTest, LabelsAreTheShotKindNamesAndNothingOutsideThem) {
    EXPECT_STREQ(ShotKindName(0), "HEAVY");
    EXPECT_STREQ(ShotKindName(kShotKindNameCount - 1), "X SHOT");
    EXPECT_STREQ(ShotKindName(-1), "");
    EXPECT_STREQ(ShotKindName(kShotKindNameCount), "");
}
