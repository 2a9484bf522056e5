// The shared rules of gems and big gems: their box, their fall, their sparkles and how
// their pictures are placed.
#include "objects/Ship.h"

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "gfx/ArtImage.h"
#include "objects/SparkPools.h"

namespace {

constexpr float kWarpFactor = 3;
constexpr int kSparkleSpread = 15;
constexpr float kSparkleOffset = 7;

}  // namespace

Ship::Ship(int kind, ObjectCategory objectCategory)
    : GameObject(static_cast<uint32_t>(kind), "GO_SHIP", objectCategory) {}

void Ship::Draw(DrawContext& dc) { DrawNothing(dc); }

Rect& Ship::GetBounds(Rect& out) { return BoundsFromScaledRadius(out, radius); }

void Ship::Fall() {
    if (timeStopCount > 0) return;
    if (timeWarpCount > 0) {
        y -= kWarpFactor * speed;
    } else {
        y += speed;
    }
}

void Ship::Sparkle(SparkPool& pool) {
    const int forY = Random();
    const int forX = Random();
    const float sparkY = static_cast<float>(forY % kSparkleSpread) + y - kSparkleOffset;
    const float sparkX = static_cast<float>(forX % kSparkleSpread) + x - kSparkleOffset;
    pool.Emit(1, TruncateToInt(sparkX), TruncateToInt(sparkY));
}

void Ship::DrawCentred(DrawContext& dc, ArtImage* art, int frame) {
    if (art == nullptr) return;
    const int halfWidth = art->frames[0].FrameWidth() / 2;
    const int halfHeight = art->frames[0].FrameHeight() / 2;
    art->Draw(dc, TruncateToInt(x - static_cast<float>(halfWidth)),
              TruncateToInt(y - static_cast<float>(halfHeight)), frame, 0, nullptr);
}

void Ship::BurstSparks(int sparkCount) {
    const int xi = TruncateToInt(x);
    const int yi = TruncateToInt(y);
    sparksRedBurst->Emit(sparkCount, xi, yi);
    sparksOrangeRing->Emit(sparkCount, xi, yi);
}
