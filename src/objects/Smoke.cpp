// Smoke puffs: drift, rise and their picture.
#include "objects/Smoke.h"

#include "core/GameMath.h"
#include "gfx/ArtImage.h"
#include "gfx/DirtyRectSet.h"

namespace {

constexpr float kSideDamping = 0.98f;
constexpr float kLift = 0.05f;
constexpr float kFastestRise = -1.0f;
constexpr float kTopEdge = -40;

}  // namespace

Smoke::Smoke(float startX, float startY, float startVx, float startVy)
    : GameObject(0, "GO_SMOKE", ObjectCategory::Effect), vx(startVx), vy(startVy) {
    x = startX;
    y = startY;
}

void Smoke::Update(float /*timeScale*/) {
    vx *= kSideDamping;
    vy -= kLift;
    if (vy < kFastestRise) vy = kFastestRise;
    x += vx;
    y += vy;
    if (y < kTopEdge) dead = true;
}

void Smoke::Draw(DrawContext& dc) {
    ArtImage* art = dirtyRects.GetArt("smoke.bmp");
    if (art == nullptr) return;
    const float halfWidth = static_cast<float>(art->frames[0].FrameWidth() / 2);
    const float halfHeight = static_cast<float>(art->frames[0].FrameHeight() / 2);
    const int left = TruncateToInt(x - halfWidth);
    const int top = TruncateToInt(y - halfHeight);
    art->Draw(dc, left, top, 0, 0, nullptr);
    dirtyRects.MarkDirty(left, top, TruncateToInt(x + halfWidth + 1),
                         TruncateToInt(y + halfHeight + 1));
}

Rect& Smoke::GetBounds(Rect& out) { return FixedBounds(out); }
