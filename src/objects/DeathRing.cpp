// The death ring: destruction within its radius, the glittering rim and its three circles.
#include "objects/DeathRing.h"

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/PortableMath.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/ChordCircle.h"
#include "objects/Pens.h"
#include "objects/Ship.h"
#include "objects/SparkPools.h"

namespace {

constexpr int kStrikeSparks = 10;
constexpr int kRimSparks = 40;
constexpr float kPerRandomStep = 1.0f / 32767.0f;
constexpr int32_t kGrowth = 5;
constexpr int32_t kInnerStep = 3;
}  // namespace

DeathRing::DeathRing(float centreX, float centreY, int largestRadius)
    : GameObject(0, "GO_DEATH_RING", ObjectCategory::Effect), maxRadius(largestRadius) {
    x = centreX;
    y = centreY;
}

void DeathRing::Update(float /*timeScale*/) {
    // Targets already marked dead are struck again: two rings on one gem both count.
    for (NamedObject* item = targetList.First(); item != nullptr; item = targetList.Next()) {
        auto* target = static_cast<GameObject*>(item);
        if (target->category != ObjectCategory::Gem && target->category != ObjectCategory::BigGem) {
            continue;
        }
        if (Distance(x, y, target->x, target->y) <= radius) {
            static_cast<Ship*>(target)->TakeBlast(kStrikeSparks);
        }
    }

    for (int spark = 0; spark < kRimSparks; ++spark) {
        const float angle = static_cast<float>(Random()) * kTwoPi * kPerRandomStep;
        const SineCosine direction = SinCos(double{angle});
        sparksRedFlash->Emit(1, TruncateToInt(x + direction.sine * radius),
                             TruncateToInt(y + direction.cosine * radius));
    }

    radius += kGrowth;
    if (radius > maxRadius) dead = true;
}

void DeathRing::Draw(DrawContext& dc) {
    const int xi = TruncateToInt(x);
    const int yi = TruncateToInt(y);
    const Pen* previous = dc.SelectPen(penWhite);
    DrawChordCircle(dc, xi, yi, radius);
    dc.SelectPen(penRed);
    DrawChordCircle(dc, xi, yi, radius - kInnerStep);
    DrawChordCircle(dc, xi, yi, radius - 2 * kInnerStep);
    dc.SelectPen(previous);
}

bool DeathRing::ContainsPoint(int /*px*/, int /*py*/) { return false; }

Rect& DeathRing::GetBounds(Rect& out) { return BoundsFromHalfSize(out, radius); }
