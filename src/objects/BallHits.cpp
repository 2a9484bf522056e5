// The ball's collision phase: what a hit does to a gem, a big gem, a capsule or a slide-out,
// by the ball's shot kind.
#include <new>

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/PortableMath.h"
#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/DeathRing.h"
#include "objects/Gem.h"
#include "objects/PowerUp.h"
#include "objects/SlideOut.h"
#include "objects/SparkPools.h"
#include "sound/SoundPlayer.h"

namespace {

constexpr int kHitSparks = 40;
constexpr int kBigGemHitSparks = 30;
constexpr int kBigGemBurstSparks = 40;
constexpr int kFragmentCount = 8;
constexpr float kFragmentSpeed = 4.0f;
constexpr int kBlastRadius = 500;
constexpr int kBoomRadius = 100;
constexpr int kCapsuleShots = 5;
constexpr int kBlastCapsuleShots = 1;

void EmitAt(SparkPool* pool, int count, float px, float py) {
    pool->Emit(count, TruncateToInt(px), TruncateToInt(py));
}

// Kinds that are spent on the first gem or big gem they touch, whatever else happens.
bool DiesOnAnyHit(ShotKind kind) {
    return kind == ShotKind::Normal || kind == ShotKind::XShot || kind == ShotKind::XFrag ||
           kind == ShotKind::Echo;
}

bool IsTarget(ObjectCategory category) {
    return category == ObjectCategory::Gem || category == ObjectCategory::BigGem ||
           category == ObjectCategory::PowerUp || category == ObjectCategory::SlideOut;
}

// One hit point off; the big gem breaks with its sound when none are left.
void DamageBigGem(BigGem& bigGem, const SoundEffect& destructionSound) {
    bigGem.hitPoints -= 1;
    PlayHitSound();
    if (bigGem.hitPoints <= 0) {
        bigGem.dead = true;
        soundPlayer.Play(destructionSound);
    }
}

}  // namespace

void Ball::CollideWithTargets() {
    Rect box;
    GetBounds(box);
    // The walk ends on the target that spends the ball.
    for (NamedObject* item = targetList.First(); item != nullptr && !dead;
         item = targetList.Next()) {
        auto* target = static_cast<GameObject*>(item);
        if (target->dead || !IsTarget(target->category) ||
            !target->Intersects(box.left, box.top, box.right, box.bottom)) {
            continue;
        }
        switch (target->category) {
            case ObjectCategory::Gem:
                HitGem(*static_cast<Gem*>(target));
                break;
            case ObjectCategory::BigGem:
                HitBigGem(*static_cast<BigGem*>(target));
                break;
            case ObjectCategory::PowerUp:
                CollectPowerUp(*static_cast<PowerUp*>(target));
                break;
            default:
                HitSlideOut(*static_cast<SlideOut*>(target));
                break;
        }
    }
}

void Ball::HitGem(Gem& gem) {
    const ShotKind shot = GetShotKind();
    const bool frozenAlready = gem.speed <= 0;
    if (!(shot == ShotKind::Freeze && frozenAlready)) {
        EmitAt(sparksRedBurst, kHitSparks, gem.x, gem.y);
        EmitAt(sparksOrangeRing, kHitSparks, gem.x, gem.y);
        hitCount += 1;
    }
    switch (shot) {
        case ShotKind::Freeze:
            if (!frozenAlready) {
                hitCount += 1;
                soundPlayer.Play(kFreezeSound);
            }
            gem.speed = 0;
            break;
        case ShotKind::Blast:
            Explode(kBlastRadius);
            soundPlayer.Play(kBlastSound);
            break;
        case ShotKind::BreakUp:
            BreakIntoFragments();
            break;
        case ShotKind::Boom:
            Explode(kBoomRadius);
            break;
        default:
            gem.dead = true;
            PlayHitSound();
            break;
    }
    if (DiesOnAnyHit(shot)) dead = true;
}

void Ball::HitBigGem(BigGem& bigGem) {
    const ShotKind shot = GetShotKind();
    if (!(shot == ShotKind::Freeze && bigGem.speed <= 0)) {
        EmitAt(sparksRedBurst, kBigGemHitSparks, bigGem.x, bigGem.y);
        hitCount += 1;
    }
    switch (shot) {
        case ShotKind::Freeze:
        case ShotKind::Heavy:
            dead = true;
            DamageBigGem(bigGem, kBigGemDestroyedSound);
            break;
        case ShotKind::BreakUp:
            BreakIntoFragments();
            break;
        case ShotKind::Blast:
            Explode(kBlastRadius);
            DamageBigGem(bigGem, kBlastSound);
            break;
        case ShotKind::Boom:
            Explode(kBoomRadius);
            DamageBigGem(bigGem, kBigGemDestroyedSound);
            break;
        default:
            DamageBigGem(bigGem, kBigGemDestroyedSound);
            break;
    }
    if (DiesOnAnyHit(shot)) dead = true;
    if (bigGem.dead) {
        EmitAt(sparksGreenBurst, kBigGemBurstSparks, bigGem.x + 30.0f, bigGem.y - 20.0f);
        EmitAt(sparksGreenBurst, kBigGemBurstSparks, bigGem.x - 20.0f, bigGem.y + 25.0f);
        EmitAt(sparksGreenBurst, kBigGemBurstSparks, bigGem.x - 10.0f, bigGem.y - 10.0f);
    }
}

void Ball::CollectPowerUp(PowerUp& capsule) {
    EmitAt(sparksRedBurst, kHitSparks, capsule.x, capsule.y);
    EmitAt(sparksOrangeRing, kHitSparks, capsule.x, capsule.y);
    capsule.dead = true;
    pendingShotKind = capsule.shotKind;
    pendingShotCount =
        capsule.shotKind == int32_t(ShotKind::Blast) ? kBlastCapsuleShots : kCapsuleShots;
    soundPlayer.Play(kCapsuleCollectedSound);
    dead = true;
}

void Ball::HitSlideOut(SlideOut& panel) {
    EmitAt(sparksOrangeRing, kHitSparks, panel.x, panel.y);
    dead = panel.Activate(this) != 0;
}

void Ball::BreakIntoFragments() {
    for (int i = 0; i < kFragmentCount; ++i) {
        const double heading = double(float(i) * kPi / 4.0f);
        const SineCosine direction = SinCos(heading);
        // In front of this ball: they start moving in the next frame.
        AddMade(shotList,
                MakeFlyingBall(ShotKind::XFrag, float(kFragmentSpeed * direction.sine),
                               float(-kFragmentSpeed * direction.cosine)),
                this);
    }
    PlayHitSound();
    dead = true;
}

void Ball::Explode(int maxRadius) {
    AddMade(shotList, new (std::nothrow) DeathRing(x, y, maxRadius));
    dead = true;
}
