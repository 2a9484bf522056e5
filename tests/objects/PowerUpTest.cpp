// Power-up capsules: construction, drift, end of life, drawing, and the shot-kind labels.
#include <cstring>
#include <string>

#include "core/Random.h"
#include "objects/PowerUp.h"
#include "support/PlayfieldFixture.h"

class PowerUpTest : public PlayfieldFixture {};

TEST_F(PowerUpTest, ConstructionSetsDirectionFromTheSideAndDrawsTheDrift) {
    randomGenerator.Seed(99);
    const int r = Random();
    const uint32_t stateAfterOneNumber = randomGenerator.State();
    randomGenerator.Seed(99);
    PowerUp capsule(308.0f, 200.0f, 3);
    EXPECT_STREQ(capsule.typeName, "GO_POWERUP");
    EXPECT_EQ(capsule.GetKind(), 0u);
    EXPECT_EQ(capsule.category, ObjectCategory::PowerUp);
    EXPECT_EQ(capsule.shotKind, 3);
    EXPECT_EQ(capsule.lifetime, 400);
    EXPECT_EQ(capsule.animCounter, 0);
    EXPECT_EQ(capsule.x, 308.0f);
    EXPECT_EQ(capsule.y, 200.0f);
    EXPECT_EQ(capsule.vx, -1.0f);
    EXPECT_EQ(capsule.vy, float(r % 1000 - 500) * 0.001f);
    EXPECT_EQ(randomGenerator.State(), stateAfterOneNumber);

    EXPECT_EQ(PowerUp(-20.0f, 200.0f, 0).vx, 1.0f);
    EXPECT_EQ(PowerUp(143.9f, 200.0f, 0).vx, 1.0f);
    EXPECT_EQ(PowerUp(144.0f, 200.0f, 0).vx, -1.0f);
}

TEST_F(PowerUpTest, DriftStaysWithinHalfAPixelPerFrame) {
    for (int n = 0; n < 2000; ++n) {
        const PowerUp capsule(0, 0, 0);
        ASSERT_GE(capsule.vy, -0.5f);
        ASSERT_LE(capsule.vy, 0.4991f);
    }
}

TEST_F(PowerUpTest, CrossesFromTheRightAndEndsPastTheLeftEdge) {
    PowerUp capsule(308.0f, 200.0f, 1);
    const float vy = capsule.vy;
    capsule.Update(1.0f);
    EXPECT_EQ(capsule.x, 307.0f);
    EXPECT_FLOAT_EQ(capsule.y, 200.0f + vy);
    EXPECT_EQ(capsule.lifetime, 399);
    for (int n = 2; n <= 328; ++n) {
        capsule.Update(1.0f);
        ASSERT_FALSE(capsule.dead) << "update " << n;
    }
    EXPECT_EQ(capsule.x, -20.0f);
    capsule.Update(1.0f);  // the 329th
    EXPECT_TRUE(capsule.dead);
    EXPECT_EQ(capsule.lifetime, 71);
}

TEST_F(PowerUpTest, CrossesFromTheLeftAndEndsPastTheRightEdge) {
    PowerUp capsule(-20.0f, 200.0f, 1);
    for (int n = 1; n <= 328; ++n) capsule.Update(1.0f);
    EXPECT_FALSE(capsule.dead);
    capsule.Update(1.0f);
    EXPECT_TRUE(capsule.dead);
    EXPECT_EQ(capsule.x, 309.0f);
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

TEST_F(PowerUpTest, BoundsAreFiftyByThirtyFourTruncated) {
    PowerUp capsule(10.5f, -3.5f, 0);
    Rect box;
    EXPECT_EQ(capsule.GetBounds(box), (Rect{-14, -20, 35, 13}));
    EXPECT_TRUE(capsule.ContainsPoint(35, 13));
    EXPECT_FALSE(capsule.ContainsPoint(36, 13));
    EXPECT_TRUE(capsule.Intersects(35, 13, 40, 40));
    EXPECT_FALSE(capsule.Intersects(36, 13, 40, 40));
    EXPECT_EQ(capsule.Reserved(), 0);
}

TEST_F(PowerUpTest, ChevronColourCyclesEveryFourFramesDrawn) {
    PowerUp capsule(100.0f, 200.0f, 5);
    // The first chevron starts at (x - 20, y - 5); a line's first point is always drawn.
    const Pixel red = penRed->colour, blue = penBlue->colour, green = penGreen->colour;
    const Pixel expected[] = {red,   red,   red,   blue,  blue, blue, blue,
                              green, green, green, green, red,  red};
    const Pen* outside = dc.SelectPen(penWhite);
    for (int n = 1; n <= 13; ++n) {
        capsule.Draw(dc);
        EXPECT_EQ(capsule.animCounter, n);
        EXPECT_EQ(frame.At(80, 195), expected[n - 1]) << "frame " << n;
        EXPECT_EQ(frame.At(100, 210), expected[n - 1]) << "lower chevron tip";
        EXPECT_EQ(dc.SelectedPen(), penWhite) << "the pen is given back";
    }
    dc.SelectPen(outside);
}

TEST_F(PowerUpTest, LabelsAreTheShotKindNames) {
    const char* labels[] = {"HEAVY",    "FREEZE", "BLAST",  "BOOM",  "ECHO",
                            "BREAK-UP", "MULTI",  "X FRAG", "X SHOT"};
    for (int kind = 0; kind < kShotKindNameCount; ++kind) {
        EXPECT_STREQ(ShotKindNames[kind], labels[kind]);
        EXPECT_STREQ(ShotKindName(kind), labels[kind]);
        // NUL-padded to the end of the field.
        const size_t length = std::strlen(ShotKindNames[kind]);
        for (size_t i = length; i < size_t(kShotKindNameSize); ++i) {
            EXPECT_EQ(ShotKindNames[kind][i], '\0');
        }
    }
    EXPECT_STREQ(ShotKindName(-1), "");
    EXPECT_STREQ(ShotKindName(9), "");
}
