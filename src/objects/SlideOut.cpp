// The slide-out panel's life: sliding in and out, ageing, the standing barrier and black
// hole, and giving back the time counters when it goes.
#include "objects/SlideOut.h"

#include <cmath>

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/PortableMath.h"
#include "objects/Ball.h"
#include "objects/SparkPools.h"
#include "platform/FieldGeometry.h"
#include "sound/SoundPlayer.h"

const char SlideOutNames[SlideKind::OfferCount][kSlideOutNameSize] = {
    "BLAST", "BARRIER", "TIMESTOP", "BLACKHOLE", "L-BEND", "BREAK-UP", "SMOKE", "MINES", "TIMEWARP",
};

namespace {

constexpr float kOffFieldX = -100.0f;
constexpr float kFieldCentreX = float(kFieldWidth) / 2;
constexpr float kParkFraction = 0.42f;  // of the field width from the centre
constexpr float kOutFraction = 0.55f;
constexpr float kSlideStep = 0.02f;  // of the way between park and out, per frame

constexpr int32_t kSlideInFrames = 50;
constexpr int32_t kSlideOutStart = 450;
constexpr int32_t kLifeFrames = 500;

// Entries nearer than this to the barrier line, above or below, are destroyed.
constexpr float kBarrierReach = 5.0f;
// The black hole destroys within this distance and clamps nearer distances to 1.
constexpr double kSwallowDistance = 10.0;
constexpr double kNearestDistance = 1.0;
constexpr double kTargetPull = 20.0;  // pixels per frame at distance 1
constexpr double kBallPull = 70.0;    // pixels per frame per frame at distance 1

constexpr int kDestroySparks = 40;

bool IsFallingTarget(const GameObject& object) {
    return object.category == ObjectCategory::Gem || object.category == ObjectCategory::BigGem;
}

// A ball that has left the slingshot; balls still held by the bands are spared.
Ball* FlyingBall(NamedObject* item) {
    auto* object = static_cast<GameObject*>(item);
    if (object->category != ObjectCategory::Shot || object->dead) return nullptr;
    auto* ball = static_cast<Ball*>(object);
    return ball->loaded == 0 ? ball : nullptr;
}

void Emit(SparkPool* pool, int count, const GameObject& at) {
    if (pool != nullptr) pool->Emit(count, TruncateToInt(at.x), TruncateToInt(at.y));
}

void DestroyTarget(GameObject& target) {
    Emit(sparksRedBurst, kDestroySparks, target);
    Emit(sparksOrangeRing, kDestroySparks, target);
    target.dead = true;
    PlayHitSound();
}

void DestroyBall(Ball& ball) {
    Emit(sparksRedBurst, kDestroySparks, ball);
    ball.dead = true;
    PlayHitSound();
}

// The pull of the hole at (holeX, holeY) on an object at (x, y): the heading towards the
// hole and the distance, clamped to at least 1. Sets swallowed when the object is near
// enough to be destroyed.
struct Pull {
    double heading;
    double distance;
    bool swallowed;
};

Pull PullTowards(float holeX, float holeY, const GameObject& object) {
    Pull pull{AngleTo(object.x, object.y, holeX, holeY, 0, 0),
              Distance(holeX, holeY, object.x, object.y), false};
    if (pull.distance < kNearestDistance) {
        pull.distance = kNearestDistance;
        pull.swallowed = true;
    } else if (pull.distance < kSwallowDistance) {
        pull.swallowed = true;
    }
    return pull;
}

}  // namespace

SlideOut::SlideOut(int side, float y, int slideKind)
    : GameObject(0, "GO_SLIDEOUT", ObjectCategory::SlideOut), slideKind(slideKind), side(side) {
    x = kOffFieldX;
    this->y = y;
}

SlideOut::~SlideOut() {
    if (slideKind == SlideKind::ActiveTimeStop) --timeStopCount;
    if (slideKind == SlideKind::ActiveTimeWarp) --timeWarpCount;
}

void SlideOut::Update(float) {
    Slide();
    // The standing effects act on the frame the panel dies too.
    if (slideKind == SlideKind::ActiveBarrier) RunBarrier();
    if (slideKind == SlideKind::ActiveBlackHole) RunBlackHole();
}

void SlideOut::Slide() {
    ++animCounter;
    const int32_t c = animCounter;
    const float sideWidth = static_cast<float>(side) * float(kFieldWidth);
    const float park = sideWidth * kParkFraction + kFieldCentreX;
    const float out = sideWidth * kOutFraction + kFieldCentreX;
    if (c > kLifeFrames) {
        dead = true;
    } else if (c > kSlideOutStart) {
        x = park + (out - park) * kSlideStep * static_cast<float>(c - kSlideOutStart);
    } else if (c > kSlideInFrames) {
        x = park;
    } else {
        x = park + (out - park) * kSlideStep * static_cast<float>(kSlideInFrames - c);
    }
}

void SlideOut::RunBarrier() {
    for (NamedObject* item = targetList.First(); item != nullptr; item = targetList.Next()) {
        auto* target = static_cast<GameObject*>(item);
        if (!IsFallingTarget(*target) || target->dead) continue;
        if (std::fabs(target->y - y) < kBarrierReach) DestroyTarget(*target);
    }
    // This runs inside the play update's walk of targetList, which shares the one cursor.
    targetList.Find(this);

    for (NamedObject* item = shotList.First(); item != nullptr; item = shotList.Next()) {
        Ball* ball = FlyingBall(item);
        if (ball != nullptr && std::fabs(ball->y - y) < kBarrierReach) DestroyBall(*ball);
    }
}

void SlideOut::RunBlackHole() {
    for (NamedObject* item = targetList.First(); item != nullptr; item = targetList.Next()) {
        auto* target = static_cast<GameObject*>(item);
        if (!IsFallingTarget(*target) || target->dead) continue;
        const Pull pull = PullTowards(x, y, *target);
        if (pull.swallowed) DestroyTarget(*target);
        const SineCosine direction = SinCos(pull.heading);
        target->x = static_cast<float>(target->x + direction.sine * kTargetPull / pull.distance);
        target->y = static_cast<float>(target->y - direction.cosine * kTargetPull / pull.distance);
    }
    // As for the barrier: put the outer walk back on this panel.
    targetList.Find(this);

    for (NamedObject* item = shotList.First(); item != nullptr; item = shotList.Next()) {
        Ball* ball = FlyingBall(item);
        if (ball == nullptr) continue;
        const Pull pull = PullTowards(x, y, *ball);
        if (pull.swallowed) DestroyBall(*ball);
        const SineCosine direction = SinCos(pull.heading);
        ball->vx = static_cast<float>(ball->vx + direction.sine * kBallPull / pull.distance);
        ball->vy = static_cast<float>(ball->vy - direction.cosine * kBallPull / pull.distance);
    }
}

Rect& SlideOut::GetBounds(Rect& out) { return FixedBounds(out); }
