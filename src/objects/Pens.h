// The pens of play: created once by the play mode, selected by name by everything that
// draws lines; null until the play mode exists.
#pragma once

#include <array>

#include "platform/DrawContext.h"

extern Pen* penWhite;
extern Pen* penBlue;
extern Pen* penGreen;
extern Pen* penYellow;
extern Pen* penRed;
extern Pen* penDarkGreen;
extern Pen* penOrange;
extern std::array<Pen*, 10> rainbowPens;
