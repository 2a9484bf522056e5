// A labelled panel that slides in from a side edge, offers one field effect to the ball that
// hits it, and slides back out; its whole life is 500 frames.
#pragma once

#include <cstdint>

#include "core/GameObject.h"

class Ball;
struct Pen;

// The values of slideKind: the nine offers (indexes into SlideOutNames), then the four
// standing states that a hit turns BARRIER, TIMESTOP, BLACKHOLE and TIMEWARP into.
struct SlideKind {
    static constexpr int32_t Blast = 0;
    static constexpr int32_t Barrier = 1;
    static constexpr int32_t TimeStop = 2;
    static constexpr int32_t BlackHole = 3;
    static constexpr int32_t LBend = 4;
    static constexpr int32_t BreakUp = 5;
    static constexpr int32_t Smoke = 6;
    static constexpr int32_t Mines = 7;
    static constexpr int32_t TimeWarp = 8;
    static constexpr int32_t OfferCount = 9;

    static constexpr int32_t ActiveBarrier = 10;
    static constexpr int32_t ActiveTimeStop = 11;
    static constexpr int32_t ActiveBlackHole = 12;
    static constexpr int32_t ActiveTimeWarp = 13;
};

// The labels of the nine offers, each a NUL-padded 14-byte field.
constexpr int kSlideOutNameSize = 14;
extern const char SlideOutNames[SlideKind::OfferCount][kSlideOutNameSize];

class SlideOut : public GameObject {
public:
    // side +1 parks at the right edge, -1 at the left; the panel starts off the field.
    SlideOut(int side, float y, int slideKind);
    // Takes back the panel's share of timeStopCount or timeWarpCount.
    ~SlideOut() override;

    // Slides, ages (dead after frame 500) and runs a standing barrier or black hole.
    void Update(float timeScale) override;
    void Draw(DrawContext& dc) override;
    Rect& GetBounds(Rect& out) override;

    // Applies the effect of a hit by ball; returns 1 when the ball is consumed, 0 when it
    // flies on.
    int Activate(Ball* ball);

    int32_t slideKind;
    int32_t animCounter = 0;  // frames since creation
    int32_t side;

private:
    void Slide();
    void RunBarrier();
    void RunBlackHole();

    void SpawnFragments();
    void SpawnSmoke();
    void SpawnMines();

    void DrawOffer(DrawContext& dc);
    void DrawBarrier(DrawContext& dc);
    void DrawRing(DrawContext& dc, const Pen* pen);
    void DrawBlackHole(DrawContext& dc);
};
