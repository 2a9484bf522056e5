// The game's circles: 20 chords drawn with the selected pen, each marked dirty.
#pragma once

#include "platform/DrawContext.h"

// Starts and ends below the centre; a negative radius gives the same circle mirrored
// through the centre.
void DrawChordCircle(DrawContext& dc, int cx, int cy, int radius);
