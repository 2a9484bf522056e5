// The death ring: destruction within its radius, the glittering rim and its three circles.
#include "objects/DeathRing.h"

#include <cmath>

#include "core/GameMath.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"
#include "objects/Ship.h"
#include "objects/SparkPools.h"
#include "play/PlayRecord.h"

namespace {

constexpr int kStrikeSparks = 10;
constexpr int kRimSparks = 40;
constexpr float kTwoPi = 6.2831855f;
constexpr float kPerRandomStep = 1.0f / 32767.0f;
constexpr int32_t kGrowth = 5;
constexpr int32_t kInnerStep = 3;
constexpr int kCircleSegments = 20;
constexpr double kSegmentAngle = 0.1 * double{3.1415927f};

// A closed circle of 20 chords around (cx, cy), starting and ending below the centre; a
// negative radius gives the same circle mirrored through the centre.
void DrawCircle(DrawContext& dc, int cx, int cy, int r) {
    int fromX = cx;
    int fromY = cy + r;
    dc.MoveTo(fromX, fromY);
    for (int segment = 1; segment <= kCircleSegments; ++segment) {
        const double angle = segment * kSegmentAngle;
        const int toX = TruncateToInt(cx + r * std::sin(angle));
        const int toY = TruncateToInt(cy + r * std::cos(angle));
        dc.LineTo(toX, toY);
        dirtyRects.MarkDirtyLine(fromX, fromY, toX, toY);
        fromX = toX;
        fromY = toY;
    }
}

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
        sparksRedFlash->Emit(1, TruncateToInt(x + std::sin(double{angle}) * radius),
                             TruncateToInt(y + std::cos(double{angle}) * radius));
    }

    radius += kGrowth;
    if (radius > maxRadius) dead = true;
}

void DeathRing::Draw(DrawContext& dc) {
    const int xi = TruncateToInt(x);
    const int yi = TruncateToInt(y);
    const Pen* previous = dc.SelectPen(penWhite);
    DrawCircle(dc, xi, yi, radius);
    dc.SelectPen(penRed);
    DrawCircle(dc, xi, yi, radius - kInnerStep);
    DrawCircle(dc, xi, yi, radius - 2 * kInnerStep);
    dc.SelectPen(previous);
}

bool DeathRing::ContainsPoint(int /*px*/, int /*py*/) { return false; }

Rect& DeathRing::GetBounds(Rect& out) { return BoundsFromHalfSize(out, radius); }

bool DeathRing::Intersects(int left, int top, int right, int bottom) {
    return IntersectsByBounds(left, top, right, bottom);
}

int DeathRing::Reserved() { return 0; }
