// Circles of chords.
#include "objects/ChordCircle.h"

#include <cmath>

#include "core/GameMath.h"
#include "gfx/DirtyRectSet.h"

namespace {
constexpr int kSegments = 20;
constexpr double kSegmentAngle = 0.1 * double{3.1415927f};
}  // namespace

void DrawChordCircle(DrawContext& dc, int cx, int cy, int radius) {
    int fromX = cx;
    int fromY = cy + radius;
    dc.MoveTo(fromX, fromY);
    for (int segment = 1; segment <= kSegments; ++segment) {
        const double angle = segment * kSegmentAngle;
        const int toX = TruncateToInt(cx + radius * std::sin(angle));
        const int toY = TruncateToInt(cy + radius * std::cos(angle));
        dc.LineTo(toX, toY);
        dirtyRects.MarkDirtyLine(fromX, fromY, toX, toY);
        fromX = toX;
        fromY = toY;
    }
}
