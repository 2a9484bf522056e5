// A smoke puff from a SMOKE slide-out: drifts toward the middle, slows, sinks briefly and
// then rises until it has left the top of the field.
#pragma once

#include "core/GameObject.h"

class Smoke : public GameObject {
public:
    Smoke(float x, float y, float vx, float vy);

    // Slows sideways, turns upward at no more than 1 pixel a frame; ends above y = -40.
    void Update(float timeScale) override;
    // "smoke.bmp" centred on the position; nothing when it does not load.
    void Draw(DrawContext& dc) override;
    // The fixed 30 x 30 box.
    Rect& GetBounds(Rect& out) override;

    float vx;
    float vy;
};
