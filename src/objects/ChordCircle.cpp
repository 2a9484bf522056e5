// Circles of chords.
#include "objects/ChordCircle.h"

#include <algorithm>
#include <numbers>

#include "core/GameMath.h"
#include "core/PortableMath.h"
#include "gfx/DirtyRectSet.h"

namespace {
constexpr int kSegments = 20;
constexpr int kSegmentsPerHalfTurn = kSegments / 2;
constexpr int kSegmentsPerQuarterTurn = kSegments / 4;
constexpr double kSegmentAngle = std::numbers::pi / kSegmentsPerHalfTurn;

// The sine of `segment` steps around the circle, folded into the first quarter turn so that
// it is exactly 0 or ±1 at the quarter turns: the last vertex is then the first.
double SineOfSegment(int segment) {
    const int withinHalfTurn = segment % kSegmentsPerHalfTurn;
    const int folded = std::min(withinHalfTurn, kSegmentsPerHalfTurn - withinHalfTurn);
    const double sine = Sin(folded * kSegmentAngle);
    return (segment / kSegmentsPerHalfTurn) % 2 == 0 ? sine : -sine;
}
}  // namespace

void DrawChordCircle(DrawContext& dc, int cx, int cy, int radius) {
    int fromX = cx;
    int fromY = cy + radius;
    dc.MoveTo(fromX, fromY);
    for (int segment = 1; segment <= kSegments; ++segment) {
        const int toX = TruncateToInt(cx + radius * SineOfSegment(segment));
        const int toY =
            TruncateToInt(cy + radius * SineOfSegment(segment + kSegmentsPerQuarterTurn));
        dc.LineTo(toX, toY);
        dirtyRects.MarkDirtyLine(fromX, fromY, toX, toY);
        fromX = toX;
        fromY = toY;
    }
}
