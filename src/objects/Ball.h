// The player's shot: rests in the slingshot, is flung by the bands, bounces off the side
// walls and applies its shot kind's rules to what it hits. Also serves for the followers,
// fragments and pellets other shots leave behind.
#pragma once

#include "core/GameObject.h"
#include "objects/ShotKind.h"

class BigGem;
class Gem;
class PowerUp;
class SlideOut;

class Ball : public GameObject {
public:
    // A ball of the given shot kind resting in the slingshot.
    explicit Ball(int shotKind);
    explicit Ball(ShotKind shotKind) : Ball(int(shotKind)) {}

    void Update(float timeScale) override;
    void Draw(DrawContext& dc) override;
    Rect& GetBounds(Rect& out) override;

    // The kind is read afresh every time: the play mode may convert a resting ball.
    ShotKind GetShotKind() const { return ShotKindFromCode(kind); }

    int loaded = 1;    // belongs to the slingshot (resting, dragged or pulled by the bands)
    int released = 0;  // let go by the player, or made already flying
    // Pixels per frame; the creator sets them (the play mode zeroes them on release).
    float vx = 0;
    float vy = 0;

private:
    void PullWithBands();
    void Launch();
    void FanOutPellets();
    void BounceOffWall();

    // Collision phase and the rules of each kind of target (BallHits.cpp).
    void CollideWithTargets();
    void HitGem(Gem& gem);
    void HitBigGem(BigGem& bigGem);
    void CollectPowerUp(PowerUp& capsule);
    void HitSlideOut(SlideOut& panel);
    void BreakIntoFragments();
    void Explode(int maxRadius);

    // A ball of the given kind already flying from this ball's position, or null when it
    // cannot be made.
    Ball* MakeFlyingBall(ShotKind shotKind, float startVx, float startVy) const;
};
