// Mines: glide, bounce, strike and blink.
#include "objects/Mine.h"

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"
#include "objects/Ship.h"

namespace {

constexpr float kDamping = 0.95f;
constexpr float kRightWall = 285;
constexpr float kLeftWall = 3;
constexpr int kStrikeSparks = 30;
constexpr int32_t kSteadyAge = 50;
constexpr int32_t kBlinkHalfPeriod = 12;
constexpr int kHalfSize = 2;

}  // namespace

Mine::Mine(float startX, float startY, float startVx, float startVy)
    : GameObject(0, "GO_MINE", ObjectCategory::Effect), vx(startVx), vy(startVy) {
    x = startX;
    y = startY;
}

void Mine::Update(float /*timeScale*/) {
    vx *= kDamping;
    vy *= kDamping;
    x += vx;
    y += vy;
    if (vx > 0 && x > kRightWall) vx = -vx;
    if (vx < 0 && x < kLeftWall) vx = -vx;
    age += 1;

    // Targets already marked dead still spend the mine.
    for (NamedObject* item = targetList.First(); item != nullptr && !dead;
         item = targetList.Next()) {
        auto* target = static_cast<GameObject*>(item);
        if (target->category != ObjectCategory::Gem && target->category != ObjectCategory::BigGem) {
            continue;
        }
        auto* ship = static_cast<Ship*>(target);
        if (Distance(x, y, ship->x, ship->y) <= ship->radius) {
            ship->TakeBlast(kStrikeSparks);
            dead = true;
        }
    }
}

void Mine::Draw(DrawContext& dc) {
    const int xi = TruncateToInt(x);
    const int yi = TruncateToInt(y);
    const bool lit = age <= kSteadyAge || (age / kBlinkHalfPeriod) % 2 == 1;
    if (lit) {
        const Pen* previous = dc.SelectPen(penYellow);
        dc.MoveTo(xi, yi - kHalfSize);
        dc.LineTo(xi, yi + kHalfSize);
        dc.SelectPen(previous);
    }
    const Pen* previous = dc.SelectPen(penGreen);
    dc.MoveTo(xi - kHalfSize, yi - kHalfSize);
    dc.LineTo(xi - kHalfSize, yi + kHalfSize);
    dc.MoveTo(xi + kHalfSize, yi - kHalfSize);
    dc.LineTo(xi + kHalfSize, yi + kHalfSize);
    dc.SelectPen(previous);
    dirtyRects.MarkDirty(xi - kHalfSize, yi - kHalfSize, xi + kHalfSize + 1, yi + kHalfSize + 1);
}

Rect& Mine::GetBounds(Rect& out) { return BoundsFromHalfSize(out, kHalfSize); }
