// The playfield object base: its start, the shared box rules at their borders and far off
// the field.
// Each object's own box is in the objects' collision box table.
#include <gtest/gtest.h>

#include <limits>

#include "core/GameObject.h"
#include "platform/DrawContext.h"

namespace {

enum class BoxRule { ScaledRadius, Fixed };

// An object whose box comes from one of the shared rules.
class BoxObject final : public GameObject {
public:
    BoxObject(BoxRule rule, int size)
        : GameObject(7, "GO_TEST", ObjectCategory::Effect), rule_(rule), size_(size) {}

    void Update(float) override {}
    void Draw(DrawContext&) override {}
    Rect& GetBounds(Rect& out) override {
        switch (rule_) {
            case BoxRule::ScaledRadius:
                return BoundsFromScaledRadius(out, size_);
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

TEST(GameObject, StartsAliveAtTheOrigin) {
    const BoxObject object(BoxRule::Fixed, 0);
    EXPECT_EQ(object.x, 0.0f);
    EXPECT_EQ(object.y, 0.0f);
    EXPECT_FALSE(object.dead);
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
