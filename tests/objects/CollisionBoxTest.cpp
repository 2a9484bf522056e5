// The collision box of every playfield object, truncated toward zero per coordinate; the
// border belongs to the box, and rings and zaps contain no point at all.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/DeathRing.h"
#include "objects/FailZap.h"
#include "objects/Gem.h"
#include "objects/Mine.h"
#include "objects/PowerUp.h"
#include "objects/Smoke.h"
#include "support/PlayfieldFixture.h"

namespace {

struct BoxCase {
    std::string name;
    std::function<std::unique_ptr<GameObject>()> make;
    Rect box;
    bool holdsPoints = true;
};

void PrintTo(const BoxCase& c, std::ostream* out) { *out << c.name; }

template <typename Object, typename... Arguments>
std::unique_ptr<GameObject> Placed(float x, float y, Arguments... arguments) {
    auto object = std::make_unique<Object>(arguments...);
    object->x = x;
    object->y = y;
    return object;
}

const BoxCase kBoxCases[] = {
    {"GemOneAndAHalfRadii", [] { return Placed<Gem>(10.7f, -3.5f, 0); }, {-7, -21, 28, 14}},
    {"BigGemSixtyWide", [] { return Placed<BigGem>(100.5f, 40.5f, 0); }, {70, 10, 130, 70}},
    {"BallFivePixels", [] { return Placed<Ball>(10.7f, -3.5f, ShotKind::Normal); }, {5, -8, 15, 1}},
    {"FragmentTwoPixels",
     [] { return Placed<Ball>(10.7f, -3.5f, ShotKind::XFrag); },
     {8, -5, 12, -1}},
    {"MineTwoPixels",
     [] { return std::make_unique<Mine>(10.9f, -0.5f, 0.0f, 0.0f); },
     {8, -2, 12, 1}},
    {"SmokeFixedThirty",
     [] { return std::make_unique<Smoke>(100.9f, -5.5f, 0.0f, 0.0f); },
     {85, -20, 115, 9}},
    {"CapsuleFiftyByThirtyFour",
     [] { return std::make_unique<PowerUp>(10.5f, -3.5f, 0); },
     {-14, -20, 35, 13}},
    {"RingItsRadius",
     [] {
         auto ring = std::make_unique<DeathRing>(10.5f, 20.5f, 100);
         ring->radius = 5;
         return std::unique_ptr<GameObject>(std::move(ring));
     },
     {5, 15, 15, 25},
     false},
    {"ZapItsSize",
     [] {
         auto zap = std::make_unique<FailZap>(100.5f, 50.5f);
         zap->size = 10;
         return std::unique_ptr<GameObject>(std::move(zap));
     },
     {90, 40, 110, 60},
     false},
};

class CollisionBoxTest : public PlayfieldFixture, public testing::WithParamInterface<BoxCase> {};

TEST_P(CollisionBoxTest, IsTruncatedAndIncludesItsBorder) {
    const BoxCase& c = GetParam();
    const std::unique_ptr<GameObject> object = c.make();
    Rect box;
    EXPECT_EQ(object->GetBounds(box), c.box);
    EXPECT_TRUE(object->Intersects(c.box.right, c.box.bottom, c.box.right + 9, c.box.bottom + 9));
    EXPECT_FALSE(object->Intersects(c.box.right + 1, c.box.top, c.box.right + 9, c.box.bottom));
    EXPECT_EQ(object->ContainsPoint(c.box.right, c.box.bottom), c.holdsPoints);
    EXPECT_FALSE(object->ContainsPoint(c.box.right + 1, c.box.bottom));
    EXPECT_EQ(object->Reserved(), 0);
}

INSTANTIATE_TEST_SUITE_P(EveryObject, CollisionBoxTest, testing::ValuesIn(kBoxCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
