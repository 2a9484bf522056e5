// A mine thrown out by a MINES slide-out: it glides to a stop and waits until a gem or big
// gem touches it, breaking the gem or taking 10 hit points from the big gem.
#pragma once

#include <cstdint>

#include "core/GameObject.h"

class Mine : public GameObject {
public:
    Mine(float x, float y, float vx, float vy);

    // Damped glide, side-wall bounce, then a strike on the first gem or big gem touching it.
    void Update(float timeScale) override;
    // Two green side bars and a yellow centre bar, steady for 50 frames and then blinking.
    void Draw(DrawContext& dc) override;
    // 2 around the centre.
    Rect& GetBounds(Rect& out) override;

    float vx;
    float vy;
    int32_t age = 0;
};
