// Looks shared by every painter: the backdrop colour sprites are mostly seen on, which their
// antialiased edges are blended towards, and how opaque an edge pixel must be to show.
#pragma once

#include "Colour.h"

constexpr Rgb kBackdropAverage = Hex(0x1a1628);
constexpr double kSpriteOpacityCut = 0.35;
