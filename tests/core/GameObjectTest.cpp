// The playfield object base: the shared box rules at their borders and far off the field.
// Each object's own box is in the objects' collision box table.
#include <gtest/gtest.h>

#include <limits>

#include "core/GameObject.h"
#include "platform/DrawContext.h"

namespace {

// An object with the fixed 30 x 30 box, or the box of a scaled radius.
class BoxObject final : public GameObject {
public:
    BoxObject(float atX, float atY, int radius = 0)
        : GameObject(7, "GO_TEST", ObjectCategory::Effect), radius_(radius) {
        x = atX;
        y = atY;
    }
    void Update(float) override {}
    void Draw(DrawContext&) override {}
    Rect& GetBounds(Rect& out) override {
        return radius_ > 0 ? BoundsFromScaledRadius(out, radius_) : FixedBounds(out);
    }

private:
    int radius_;
};

TEST(GameObject, BoxesFarOffTheFieldSaturate) {
    BoxObject far(3e9f, -3e9f, 12);
    Rect box{-1, -1, -1, -1};
    EXPECT_EQ(&far.GetBounds(box), &box);
    EXPECT_EQ(box.left, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(box.top, std::numeric_limits<int32_t>::min());
}

TEST(GameObject, PointsAndBoxesOnTheBorderAreInside) {
    BoxObject panel(100, 200);  // box 85, 185, 115, 215
    for (auto [px, py] : {std::pair{85, 185}, {115, 215}, {100, 215}}) {
        EXPECT_TRUE(panel.ContainsPoint(px, py)) << px << "," << py;
    }
    for (auto [px, py] : {std::pair{84, 200}, {116, 200}, {100, 184}, {100, 216}}) {
        EXPECT_FALSE(panel.ContainsPoint(px, py)) << px << "," << py;
    }
    const Rect touching[] = {{115, 215, 130, 230},
                             {70, 190, 85, 200},
                             {90, 170, 95, 185},
                             {0, 0, 288, 576},
                             {99, 199, 101, 201}};
    for (const Rect& r : touching) EXPECT_TRUE(panel.Intersects(r.left, r.top, r.right, r.bottom));
    const Rect apart[] = {
        {116, 190, 130, 200}, {60, 190, 84, 200}, {90, 160, 95, 184}, {90, 216, 95, 230}};
    for (const Rect& r : apart) EXPECT_FALSE(panel.Intersects(r.left, r.top, r.right, r.bottom));
}

}  // namespace
