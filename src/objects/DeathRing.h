// The blast of an exploding shot: a ring growing by 5 pixels a frame that breaks every gem
// inside it and wears big gems down by 10 hit points a frame.
#pragma once

#include <cstdint>

#include "core/GameObject.h"

class DeathRing : public GameObject {
public:
    DeathRing(float x, float y, int maxRadius);

    // Strikes what lies within the radius, glitters its rim, then grows; ends once past
    // maxRadius.
    void Update(float timeScale) override;
    // Three concentric circles: white at the radius, red 3 and 6 pixels inside it.
    void Draw(DrawContext& dc) override;
    // Always false: the ring contains no point.
    bool ContainsPoint(int px, int py) override;
    // The radius around the centre.
    Rect& GetBounds(Rect& out) override;

    int32_t radius = 0;
    int32_t maxRadius;
};
