// Power-up capsules: drift, end of life, the colour-cycling chevrons and the label.
#include "objects/PowerUp.h"

#include "core/GameMath.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "gfx/GameFonts.h"
#include "objects/Pens.h"
#include "platform/DrawContext.h"
#include "platform/FieldGeometry.h"
#include "platform/Font.h"

const char ShotKindNames[kShotKindNameCount][kShotKindNameSize] = {
    "HEAVY", "FREEZE", "BLAST", "BOOM", "ECHO", "BREAK-UP", "MULTI", "X FRAG", "X SHOT",
};

namespace {

constexpr int32_t kLifetime = 400;
constexpr float kCentreX = float(kFieldWidth) / 2;
constexpr float kLeftExit = -20.0f;
constexpr float kRightExit = 308.0f;
constexpr int kDriftSteps = 1000;
constexpr int kDriftCentre = 500;
constexpr float kDriftScale = 0.001f;

constexpr float kHalfWidth = 25.0f;
constexpr float kHalfHeight = 17.0f;
constexpr int kFramesPerColour = 4;
constexpr int kColourCount = 3;
constexpr ColorRef kLabelColour = MakeColorRef(255, 0, 255);

}  // namespace

const char* ShotKindName(int shotKind) {
    if (shotKind < 0 || shotKind >= kShotKindNameCount) return "";
    return ShotKindNames[shotKind];
}

PowerUp::PowerUp(float startX, float startY, int kindGranted)
    : GameObject(0, "GO_POWERUP", ObjectCategory::PowerUp),
      shotKind(kindGranted),
      lifetime(kLifetime),
      vx(startX < kCentreX ? 1.0f : -1.0f),
      vy(float(Random() % kDriftSteps - kDriftCentre) * kDriftScale) {
    x = startX;
    y = startY;
}

void PowerUp::Update(float) {
    x += vx;
    y += vy;
    if (vx < 0 && x < kLeftExit) dead = true;
    if (vx > 0 && x > kRightExit) dead = true;
    if (lifetime > 0) {
        lifetime -= 1;
        if (lifetime <= 0) dead = true;
    }
}

void PowerUp::Draw(DrawContext& dc) {
    animCounter += 1;
    const Pen* colours[kColourCount] = {penRed, penBlue, penGreen};
    const Pen* previous = dc.SelectPen(colours[(animCounter / kFramesPerColour) % kColourCount]);

    // Two chevrons pointing away from the label.
    dc.MoveTo(TruncateToInt(x - 20.0f), TruncateToInt(y - 5.0f));
    dc.LineTo(TruncateToInt(x), TruncateToInt(y - 10.0f));
    dc.LineTo(TruncateToInt(x + 20.0f), TruncateToInt(y - 5.0f));
    dc.MoveTo(TruncateToInt(x - 20.0f), TruncateToInt(y + 5.0f));
    dc.LineTo(TruncateToInt(x), TruncateToInt(y + 10.0f));
    dc.LineTo(TruncateToInt(x + 20.0f), TruncateToInt(y + 5.0f));
    Rect bounds;
    dirtyRects.MarkDirtyRect(GetBounds(bounds));

    const Rect labelRect{TruncateToInt(x - 30.0f), TruncateToInt(y - 4.0f),
                         TruncateToInt(x + 30.0f), TruncateToInt(y + 7.0f)};
    dirtyRects.DrawText(dc, FontSmall, ShotKindName(shotKind), labelRect, kLabelColour, DT_CENTER);
    dc.SelectPen(previous);
}

Rect& PowerUp::GetBounds(Rect& out) {
    out = Rect{TruncateToInt(x - kHalfWidth), TruncateToInt(y - kHalfHeight),
               TruncateToInt(x + kHalfWidth), TruncateToInt(y + kHalfHeight)};
    return out;
}
