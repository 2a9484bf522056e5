// The fail zap: its growth, its end and its broken squares.
#include "objects/FailZap.h"

#include "core/GameMath.h"
#include "core/PortableMath.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"

namespace {

constexpr int32_t kGrowth = 2;
constexpr int32_t kLargestSize = 180;
constexpr int kSquares = 4;
constexpr int kSquareGap = 2;
constexpr int kMarkMargin = 8;
constexpr double kSixthPi = double(kPi) / 6;

// The point at `angle` on the circle of radius k around (cx, cy), truncated.
void PointOnCircle(int cx, int cy, int k, double angle, int& px, int& py) {
    const SineCosine direction = SinCos(angle);
    px = TruncateToInt(cx + k * direction.sine);
    py = TruncateToInt(cy + k * direction.cosine);
}

// Four chords of 60 degrees centred on the right, top, left and bottom of the circle of
// radius k: a square with open corners.
void DrawBrokenSquare(DrawContext& dc, int cx, int cy, int k) {
    for (int startSixth = 2; startSixth <= 11; startSixth += 3) {
        int fromX = 0, fromY = 0, toX = 0, toY = 0;
        PointOnCircle(cx, cy, k, startSixth * kSixthPi, fromX, fromY);
        PointOnCircle(cx, cy, k, (startSixth + 2) * kSixthPi, toX, toY);
        dc.MoveTo(fromX, fromY);
        dc.LineTo(toX, toY);
    }
}

}  // namespace

FailZap::FailZap(float centreX, float centreY)
    : GameObject(0, "GO_FAIL_ZAP", ObjectCategory::Effect) {
    x = centreX;
    y = centreY;
}

void FailZap::Update(float /*timeScale*/) {
    size += kGrowth;
    if (size > kLargestSize) dead = true;
}

void FailZap::Draw(DrawContext& dc) {
    const int s = size / 2;
    const int xi = TruncateToInt(x);
    const int yi = TruncateToInt(y);
    const Pen* previous = dc.SelectPen(penBlue);
    for (int square = 0; square < kSquares; ++square) {
        if (square == 1) dc.SelectPen(penRed);
        DrawBrokenSquare(dc, xi, yi, s + square * kSquareGap);
    }
    dc.SelectPen(previous);
    dirtyRects.MarkDirty(xi - (s + kMarkMargin), yi - (s + kMarkMargin), xi + s + kMarkMargin + 1,
                         yi + s + kMarkMargin + 1);
}

bool FailZap::ContainsPoint(int /*px*/, int /*py*/) { return false; }

Rect& FailZap::GetBounds(Rect& out) { return BoundsFromHalfSize(out, size); }
