// The four-pointed twinkle that marks a glint on stones and in the title.
#pragma once

#include "Canvas.h"

// A star with arms of the given length; brightest at its centre.
void PaintSparkleStar(Canvas& canvas, Point centre, double armLength, Rgb colour);
