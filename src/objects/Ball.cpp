// The ball's frame: the band pull, the launch with its followers or pellets, flight, wall
// bounces, leaving the field, and its sprite with the slingshot bands.
#include "objects/Ball.h"

#include <cmath>
#include <new>

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/PortableMath.h"
#include "gfx/ArtImage.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"
#include "objects/SparkPools.h"
#include "platform/DrawContext.h"
#include "platform/FieldGeometry.h"
#include "sound/SoundPlayer.h"

namespace {

constexpr float kLeftAnchorX = 0.0f;
constexpr float kRightAnchorX = float(kFieldWidth);
constexpr float kBandStiffness = 0.01f;
constexpr float kHeavyBandStiffness = 0.005f;
constexpr float kRestSpeed = 0.01f;
constexpr float kSpeedLimit = 144.0f;

constexpr float kRightWallX = 278.0f;
constexpr float kLeftWallX = 10.0f;
constexpr float kTopExitY = -20.0f;
constexpr float kBottomExitY = kSlingshotLineY + 50.0f;

constexpr int kBoxHalfSize = 5;
constexpr int kSmallBoxHalfSize = 2;
constexpr int kDirtyHalfSize = 10;
// The bands are drawn from the anchors at the slingshot line, truncated.
constexpr int kBandLineY = int(kSlingshotLineY);

constexpr float kLeadFollowerShare = 0.6666667f;
constexpr float kLastFollowerShare = 0.33333334f;
constexpr int kPelletsEachSide = 3;
constexpr float kPelletSpread = kPi / 30.0f;

constexpr int kBottomExitSparks = 40;

// Sprite of each kind, indexed by kind + 1.
constexpr const char* kShotBitmaps[] = {
    "shot.bmp", "shot-massive.bmp", "shot-freeze.bmp", "shot-nuke.bmp",     "shot-explo.bmp",
    "shot.bmp", "shot-frag.bmp",    "shot.bmp",        "shot-fragment.bmp", "shot-pellet.bmp",
};
constexpr int kShotBitmapCount = int(sizeof(kShotBitmaps) / sizeof(kShotBitmaps[0]));

bool IsSmallShot(ShotKind kind) { return kind == ShotKind::XFrag || kind == ShotKind::XShot; }

// Kinds whose leaving the top of the field is not held against the player.
bool ExitsTopWithoutMiss(ShotKind kind) {
    return IsSmallShot(kind) || kind == ShotKind::Heavy || kind == ShotKind::Freeze;
}

}  // namespace

Ball::Ball(int shotKind) : GameObject(uint32_t(shotKind), "GO_BALL", ObjectCategory::Shot) {
    x = kSlingshotRestX;
    y = kSlingshotLineY;
}

void Ball::Update(float) {
    if (released == 0) return;
    if (loaded == 1) PullWithBands();
    if (loaded == 0) CollideWithTargets();

    x += vx;
    y += vy;

    // A shot called off by the bands this frame stays in the slingshot.
    if (loaded == 1 && released == 1 && y <= kSlingshotLineY) Launch();

    if (vx > kSpeedLimit) vx = kSpeedLimit;
    if (vx < -kSpeedLimit) vx = -kSpeedLimit;

    if (y < kTopExitY) {
        dead = true;
        if (!ExitsTopWithoutMiss(GetShotKind())) missCount += 1;
    }
    if ((vx > 0 && x > kRightWallX) || (vx < 0 && x < kLeftWallX)) BounceOffWall();

    if (released == 1 && loaded == 0 && y > kBottomExitY) {
        dead = true;
        sparksRedPuff->Emit(kBottomExitSparks, TruncateToInt(x), TruncateToInt(y));
    }
}

void Ball::PullWithBands() {
    const float stiffness = GetShotKind() == ShotKind::Heavy ? kHeavyBandStiffness : kBandStiffness;
    for (const float anchorX : {kLeftAnchorX, kRightAnchorX}) {
        const double stretch = Distance(x, y, anchorX, kSlingshotLineY);
        const double heading = AngleTo(x, y, anchorX, kSlingshotLineY, 0, 0);
        const SineCosine direction = SinCos(heading);
        vx = float(vx + direction.sine * stretch * stiffness);
        vy = float(vy - direction.cosine * stretch * stiffness);
    }
    // Nothing to fling upwards: back to the rest point, to be grabbed again.
    if (std::fabs(vy) < kRestSpeed) {
        released = 0;
        x = kSlingshotRestX;
        y = kSlingshotLineY;
    }
}

void Ball::Launch() {
    loaded = 0;
    shotsFired += 1;
    soundPlayer.Play(kLaunchSound);
    switch (GetShotKind()) {
        case ShotKind::Echo:
            // In front of this ball: not moved again this frame, so they trail behind it.
            AddMade(
                shotList,
                MakeFlyingBall(ShotKind::Normal, vx * kLeadFollowerShare, vy * kLeadFollowerShare),
                this);
            AddMade(
                shotList,
                MakeFlyingBall(ShotKind::Normal, vx * kLastFollowerShare, vy * kLastFollowerShare),
                this);
            break;
        case ShotKind::Multi:
            FanOutPellets();
            dead = true;
            break;
        default:
            break;
    }
}

void Ball::FanOutPellets() {
    const double heading = AngleTo(0, 0, vx, vy, 0, 0);
    const double speed = Distance(0, 0, vx, vy);
    for (int j = -kPelletsEachSide; j <= kPelletsEachSide; ++j) {
        const double angle = heading + double(j * kPelletSpread);
        const SineCosine direction = SinCos(angle);
        float pelletVy = float(-speed * direction.cosine);
        if (pelletVy > 0) pelletVy = -pelletVy;  // no pellet goes downwards
        AddMade(shotList, MakeFlyingBall(ShotKind::XShot, float(speed * direction.sine), pelletVy));
    }
}

void Ball::BounceOffWall() {
    const ShotKind shot = GetShotKind();
    if (shot == ShotKind::XFrag) dead = true;
    if (!IsSmallShot(shot)) missCount += 1;
    vx = -vx;
    soundPlayer.Play(kWallBounceSound);
}

Ball* Ball::MakeFlyingBall(ShotKind shotKind, float startVx, float startVy) const {
    Ball* ball = new (std::nothrow) Ball(shotKind);
    if (ball == nullptr) return nullptr;
    ball->x = x;
    ball->y = y;
    ball->vx = startVx;
    ball->vy = startVy;
    ball->released = 1;
    ball->loaded = 0;
    return ball;
}

void Ball::Draw(DrawContext& dc) {
    const int32_t xi = TruncateToInt(x);
    const int32_t yi = TruncateToInt(y);
    if (loaded == 1) {
        const Pen* previous = dc.SelectPen(penYellow);
        dc.MoveTo(0, kBandLineY);
        dc.LineTo(xi, yi);
        dc.LineTo(int(kRightAnchorX), kBandLineY);
        dc.SelectPen(previous);
        dirtyRects.MarkDirtyLine(0, kBandLineY, xi, yi);
        dirtyRects.MarkDirtyLine(xi, yi, int(kRightAnchorX), kBandLineY);
    }

    const int bitmap = int(GetShotKind()) + 1;
    if (bitmap < 0 || bitmap >= kShotBitmapCount) return;
    ArtImage* art = dirtyRects.GetArt(kShotBitmaps[bitmap]);
    if (art == nullptr) return;
    const int32_t halfWidth = art->frames[0].FrameWidth() / 2;
    const int32_t halfHeight = art->frames[0].FrameHeight() / 2;
    art->Draw(dc, TruncateToInt(x - float(halfWidth)), TruncateToInt(y - float(halfHeight)), 0, 0,
              nullptr);
    dirtyRects.MarkDirty(TruncateToInt(x - kDirtyHalfSize), TruncateToInt(y - kDirtyHalfSize),
                         TruncateToInt(x + kDirtyHalfSize), TruncateToInt(y + kDirtyHalfSize));
}

Rect& Ball::GetBounds(Rect& out) {
    return BoundsFromHalfSize(out, IsSmallShot(GetShotKind()) ? kSmallBoxHalfSize : kBoxHalfSize);
}
