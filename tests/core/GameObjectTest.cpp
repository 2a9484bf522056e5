// The playfield object base: its start state and the shared box rules.
#include <gtest/gtest.h>

#include <limits>

#include "core/GameObject.h"
#include "platform/DrawContext.h"

namespace {

enum class BoxRule { ScaledRadius, HalfSize, Fixed };

// An object that takes every operation from the shared rules.
class BoxObject final : public GameObject {
public:
    BoxObject(BoxRule rule, int size)
        : GameObject(7, "GO_TEST", ObjectCategory::Effect), rule_(rule), size_(size) {}

    void Update(float) override {}
    void Draw(DrawContext& dc) override { DrawNothing(dc); }
    Rect& GetBounds(Rect& out) override {
        switch (rule_) {
            case BoxRule::ScaledRadius:
                return BoundsFromScaledRadius(out, size_);
            case BoxRule::HalfSize:
                return BoundsFromHalfSize(out, size_);
            case BoxRule::Fixed:
                break;
        }
        return FixedBounds(out);
    }

private:
    BoxRule rule_;
    int size_;
};

Rect BoundsOf(GameObject& object) {
    Rect box{-1, -1, -1, -1};
    Rect& returned = object.GetBounds(box);
    EXPECT_EQ(&returned, &box);
    return box;
}

}  // namespace

TEST(GameObject, StartsAtTheOriginAliveWithItsNameAndCategory) {
    BoxObject object(BoxRule::Fixed, 0);
    EXPECT_EQ(object.x, 0.0f);
    EXPECT_EQ(object.y, 0.0f);
    EXPECT_FALSE(object.dead);
    EXPECT_EQ(object.category, ObjectCategory::Effect);
    EXPECT_EQ(object.GetKind(), 7u);
    EXPECT_STREQ(object.typeName, "GO_TEST");
    EXPECT_EQ(int(ObjectCategory::Shot), 0);
    EXPECT_EQ(int(ObjectCategory::Effect), 5);
}

TEST(GameObject, ScaledRadiusBoxTruncatesEachCoordinateTowardZero) {
    BoxObject gem(BoxRule::ScaledRadius, 12);
    gem.x = 10.7f;
    gem.y = -3.5f;
    EXPECT_EQ(BoundsOf(gem), (Rect{-7, -21, 28, 14}));
    BoxObject odd(BoxRule::ScaledRadius, 5);
    odd.x = 100;
    odd.y = 100;
    EXPECT_EQ(BoundsOf(odd), (Rect{92, 92, 107, 107}));
}

TEST(GameObject, HalfSizeAndFixedBoxes) {
    BoxObject ring(BoxRule::HalfSize, 20);
    ring.x = 50.9f;
    ring.y = 10.2f;
    EXPECT_EQ(BoundsOf(ring), (Rect{30, -9, 70, 30}));
    BoxObject panel(BoxRule::Fixed, 0);
    panel.x = 144.5f;
    panel.y = -0.5f;
    EXPECT_EQ(BoundsOf(panel), (Rect{129, -15, 159, 14}));
}

TEST(GameObject, BoxesFarOffTheFieldSaturate) {
    BoxObject far(BoxRule::ScaledRadius, 12);
    far.x = 3e9f;
    far.y = -3e9f;
    const Rect box = BoundsOf(far);
    EXPECT_EQ(box.left, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(box.top, std::numeric_limits<int32_t>::min());
}

TEST(GameObject, ContainsPointIncludesTheBorder) {
    BoxObject panel(BoxRule::Fixed, 0);
    panel.x = 100;
    panel.y = 200;  // box 85, 185, 115, 215
    EXPECT_TRUE(panel.ContainsPoint(85, 185));
    EXPECT_TRUE(panel.ContainsPoint(115, 215));
    EXPECT_TRUE(panel.ContainsPoint(100, 215));
    EXPECT_FALSE(panel.ContainsPoint(84, 200));
    EXPECT_FALSE(panel.ContainsPoint(116, 200));
    EXPECT_FALSE(panel.ContainsPoint(100, 184));
    EXPECT_FALSE(panel.ContainsPoint(100, 216));
}

TEST(GameObject, TouchingBoxesIntersect) {
    BoxObject panel(BoxRule::Fixed, 0);
    panel.x = 100;
    panel.y = 200;                                      // box 85, 185, 115, 215
    EXPECT_TRUE(panel.Intersects(115, 215, 130, 230));  // corner to corner
    EXPECT_TRUE(panel.Intersects(70, 190, 85, 200));    // left edge
    EXPECT_TRUE(panel.Intersects(90, 170, 95, 185));    // top edge
    EXPECT_TRUE(panel.Intersects(0, 0, 288, 576));      // around it
    EXPECT_TRUE(panel.Intersects(99, 199, 101, 201));   // inside it
    EXPECT_FALSE(panel.Intersects(116, 190, 130, 200));
    EXPECT_FALSE(panel.Intersects(60, 190, 84, 200));
    EXPECT_FALSE(panel.Intersects(90, 160, 95, 184));
    EXPECT_FALSE(panel.Intersects(90, 216, 95, 230));
}

TEST(GameObject, DrawNothingLeavesTheSurface) {
    Surface surface(8, 8);
    surface.Fill(0x123456);
    DrawContext dc(surface);
    BoxObject gem(BoxRule::ScaledRadius, 2);
    gem.x = 4;
    gem.y = 4;
    gem.Draw(dc);
    for (Pixel p : surface.Pixels()) ASSERT_EQ(p, 0x123456u);
}
