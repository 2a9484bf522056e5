// The mark where the game was lost: four nested, broken squares growing for three seconds.
#pragma once

#include <cstdint>

#include "core/GameObject.h"

class FailZap : public GameObject {
public:
    FailZap(float x, float y);

    // Grows by 2; ends once past 180.
    void Update(float timeScale) override;
    // A blue square of half-size size / 2 and three red ones 2, 4 and 6 pixels outside it.
    void Draw(DrawContext& dc) override;
    // Always false: the zap contains no point.
    bool ContainsPoint(int px, int py) override;
    // size around the centre.
    Rect& GetBounds(Rect& out) override;

    int32_t size = 0;
};
