// How a slide-out panel looks: the labelled offer with its creeping dashes, and the four
// standing states (flickering barrier line, growing time rings, turning black hole).
#include "core/GameMath.h"
#include "core/PortableMath.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "gfx/GameFonts.h"
#include "objects/ChordCircle.h"
#include "objects/Pens.h"
#include "objects/SlideOut.h"
#include "platform/FieldGeometry.h"
#include "platform/Font.h"

namespace {

constexpr double kArcRadius = 15.0;
constexpr int kDashesPerArc = 4;
constexpr double kDashLength = double(kPi) / 12;
constexpr double kDashGap = double(kPi) / 24;
constexpr double kCreepStep = double(kPi) / 24;  // the dashes move on every third frame
constexpr int kCreepPhases = 3;

constexpr ColorRef kLabelColour = MakeColorRef(255, 255, 0);
constexpr int kLabelHalfWidth = 30;
constexpr int kLabelAbove = 4;
constexpr int kLabelBelow = 7;

constexpr int32_t kFadeStart = 450;  // the barrier dims while the panel leaves

constexpr int kRingPeriod = 40;

constexpr int kSpiralArms = 6;
constexpr double kSpiralTurnPerFrame = 0.04;
constexpr double kSpiralReachStep = 5.0;
constexpr double kSpiralBendStep = 0.5;
constexpr int kSpiralJoints = 4;
constexpr int kSpiralDirtyMargin = 13;

}  // namespace

void SlideOut::Draw(DrawContext& dc) {
    if (slideKind >= 0 && slideKind < SlideKind::OfferCount) {
        DrawOffer(dc);
        return;
    }
    switch (slideKind) {
        case SlideKind::ActiveBarrier:
            DrawBarrier(dc);
            break;
        case SlideKind::ActiveTimeStop:
            DrawRing(dc, penBlue);
            break;
        case SlideKind::ActiveBlackHole:
            DrawBlackHole(dc);
            break;
        case SlideKind::ActiveTimeWarp:
            DrawRing(dc, penRed);
            break;
        default:  // no such state: nothing to show
            break;
    }
}

void SlideOut::DrawOffer(DrawContext& dc) {
    const Pen* previous = dc.SelectPen(penRed);
    const double creep = ((animCounter / 3) % kCreepPhases) * kCreepStep;
    // Two arcs around the label: one over it, one under it.
    const struct {
        double offsetY;
        double start;
    } arcs[] = {{5.0, -0.25 * kPi + creep}, {-3.0, 0.75 * kPi + creep}};
    for (const auto& arc : arcs) {
        auto pointX = [&](double a) { return TruncateToInt(x + kArcRadius * Sin(a)); };
        auto pointY = [&](double a) {
            return TruncateToInt(y + arc.offsetY - kArcRadius * Cos(a));
        };
        double a = arc.start;
        for (int dash = 0; dash < kDashesPerArc; ++dash) {
            dc.MoveTo(pointX(a), pointY(a));
            a += kDashLength;
            dc.LineTo(pointX(a), pointY(a));
            a += kDashGap;
        }
    }
    Rect box;
    dirtyRects.MarkDirtyRect(GetBounds(box));
    const Rect label{TruncateToInt(x - kLabelHalfWidth), TruncateToInt(y - kLabelAbove),
                     TruncateToInt(x + kLabelHalfWidth), TruncateToInt(y + kLabelBelow)};
    dirtyRects.DrawText(dc, FontSmall, SlideOutNames[slideKind], label, kLabelColour, DT_CENTER);
    dc.SelectPen(previous);
}

void SlideOut::DrawBarrier(DrawContext& dc) {
    const int r = Random() % 3;  // one number every frame, drawn or not
    const Pen* pen = nullptr;
    bool drawn = false;
    if (animCounter <= kFadeStart) {
        drawn = r != 2;
        pen = r == 0 ? penGreen : penDarkGreen;
    } else {
        drawn = r == 1;
        pen = penDarkGreen;
    }
    if (!drawn) return;
    const int yi = TruncateToInt(y);
    const Pen* previous = dc.SelectPen(pen);
    dc.MoveTo(0, yi);
    dc.LineTo(kFieldWidth, yi);
    dc.SelectPen(previous);
    dirtyRects.MarkDirty(0, yi, kFieldWidth, yi + 1);
}

void SlideOut::DrawRing(DrawContext& dc, const Pen* pen) {
    const Pen* previous = dc.SelectPen(pen);
    DrawChordCircle(dc, TruncateToInt(x), TruncateToInt(y), animCounter % kRingPeriod);
    dc.SelectPen(previous);
}

void SlideOut::DrawBlackHole(DrawContext& dc) {
    const Pen* previous = dc.SelectPen(penBlue);
    for (int arm = 0; arm < kSpiralArms; ++arm) {
        const double a = animCounter * kSpiralTurnPerFrame + arm * double(kPi) / 3;
        dc.MoveTo(TruncateToInt(x), TruncateToInt(y));
        for (int joint = 1; joint <= kSpiralJoints; ++joint) {
            const double reach = joint * kSpiralReachStep;
            const double bent = a - (joint - 1) * kSpiralBendStep;
            const SineCosine direction = SinCos(bent);
            dc.LineTo(TruncateToInt(x + reach * direction.sine),
                      TruncateToInt(y + reach * direction.cosine));
        }
    }
    Rect box;
    GetBounds(box);
    dirtyRects.MarkDirty(box.left - kSpiralDirtyMargin, box.top - kSpiralDirtyMargin,
                         box.right + kSpiralDirtyMargin, box.bottom + kSpiralDirtyMargin);
    dc.SelectPen(previous);
}
