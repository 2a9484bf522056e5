// Round, lit balls: the shots, the slingshot pouch's ball in the icons.
#pragma once

#include "Canvas.h"

struct BallLook {
    Ramp body;           // shadowed side to lit side
    double shine = 1.0;  // strength of the white highlight
    Rgb shineColour{1.0, 1.0, 1.0};
};

// A sphere lit from the top left, with a crisp highlight.
void PaintBall(Canvas& canvas, Point centre, double radius, const BallLook& look);
