// The collision boxes whole runs do not reach (gems, big gems, balls and capsules collide in
// them all the time): truncated toward zero per coordinate, the border in the box, and rings
// and zaps that contain no point at all.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "objects/DeathRing.h"
#include "objects/FailZap.h"
#include "objects/Mine.h"
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

const BoxCase kBoxCases[] = {
    {"MineTwoPixels",
     [] { return std::make_unique<Mine>(10.9f, -0.5f, 0.0f, 0.0f); },
     {8, -2, 12, 1}},
    {"SmokeFixedThirty",
     [] { return std::make_unique<Smoke>(100.9f, -5.5f, 0.0f, 0.0f); },
     {85, -20, 115, 9}},
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
