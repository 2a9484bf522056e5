// What a ball's hit on a slide-out panel does: the nine effects and the objects they throw.
#include <cmath>
#include <new>

#include "core/GameMath.h"
#include "core/PlayRecord.h"
#include "core/PortableMath.h"
#include "core/Random.h"
#include "objects/Ball.h"
#include "objects/DeathRing.h"
#include "objects/Mine.h"
#include "objects/ShotKind.h"
#include "objects/SlideOut.h"
#include "objects/Smoke.h"
#include "sound/SoundPlayer.h"

namespace {

constexpr int kBlastRingRadius = 500;

// A fan: `count` headings from `first` half turns on, 0.05 half turns (0.05 pi) apart.
struct Fan {
    double first;
    int count;
    double Heading(int i) const { return (first + 0.05 * i) * kPi; }
};
constexpr Fan kFragmentFan{0.25, 11};  // 0.25 to 0.75
constexpr Fan kSmokeFan{0.50, 6};      // 0.50 to 0.75
constexpr Fan kMineFan{0.25, 11};      // 0.25 to 0.75

constexpr float kFragmentSpeed = 4.0f;
constexpr float kThrowSpread = 0.00015259255f;  // 5 / 32767: throws of 1 to 6 px per frame
constexpr float kThrowDrop = 4.0f;

// Sideways speed toward the middle of the field, from the next number of Random.
float ThrowSpeedX(int side) {
    const int r = Random();
    return -static_cast<float>(side) * (1.0f + static_cast<float>(r) * kThrowSpread);
}

float ThrowSpeedY(double heading) { return static_cast<float>(-kThrowDrop * Cos(heading)); }

}  // namespace

int SlideOut::Activate(Ball* ball) {
    switch (slideKind) {
        case SlideKind::Blast:
            dead = true;
            AddMade(shotList, new (std::nothrow) DeathRing(x, y, kBlastRingRadius));
            soundPlayer.Play(kBlastSound);
            return 1;
        case SlideKind::Barrier:
            slideKind = SlideKind::ActiveBarrier;
            return 1;
        case SlideKind::TimeStop:
            slideKind = SlideKind::ActiveTimeStop;
            ++timeStopCount;
            return 1;
        case SlideKind::BlackHole:
            slideKind = SlideKind::ActiveBlackHole;
            return 1;
        case SlideKind::LBend:
            dead = true;
            // The ball keeps its speed and turns to the right, whatever it did before.
            if (ball != nullptr) {
                ball->vx = static_cast<float>(
                    std::sqrt(double(ball->vx) * ball->vx + double(ball->vy) * ball->vy));
                ball->vy = 0;
            }
            return 0;
        case SlideKind::BreakUp:
            dead = true;
            SpawnFragments();
            PlayHitSound();
            return 1;
        case SlideKind::Smoke:
            dead = true;
            SpawnSmoke();
            PlayHitSound();
            return 1;
        case SlideKind::Mines:
            dead = true;
            SpawnMines();
            PlayHitSound();
            return 1;
        case SlideKind::TimeWarp:
            slideKind = SlideKind::ActiveTimeWarp;
            ++timeWarpCount;
            soundPlayer.Play(kTimeWarpSound);
            return 1;
        default:  // a standing panel lets the ball fly on
            return 0;
    }
}

void SlideOut::SpawnFragments() {
    const double towardMiddle = -static_cast<double>(side) * kFragmentSpeed;
    for (int i = 0; i < kFragmentFan.count; ++i) {
        const double heading = kFragmentFan.Heading(i);
        Ball* fragment = new (std::nothrow) Ball(static_cast<int>(ShotKind::XFrag));
        if (fragment == nullptr) continue;
        fragment->x = x;
        fragment->y = y;
        fragment->loaded = 0;
        fragment->released = 1;
        const SineCosine direction = SinCos(heading);
        fragment->vx = static_cast<float>(towardMiddle * direction.sine);
        fragment->vy = static_cast<float>(-towardMiddle * direction.cosine);
        AddMade(shotList, fragment);
    }
}

void SlideOut::SpawnSmoke() {
    for (int i = 0; i < kSmokeFan.count; ++i) {
        const double heading = kSmokeFan.Heading(i);
        const float vx = ThrowSpeedX(side);  // drawn before the puff is made
        AddMade(shotList, new (std::nothrow) Smoke(x, y, vx, ThrowSpeedY(heading)));
    }
}

void SlideOut::SpawnMines() {
    for (int i = 0; i < kMineFan.count; ++i) {
        const double heading = kMineFan.Heading(i);
        const float vx = ThrowSpeedX(side);
        AddMade(shotList, new (std::nothrow) Mine(x, y, vx, ThrowSpeedY(heading)));
    }
}
