// The playfield background: a 64 x 64 tile of dark quilted velvet that repeats seamlessly
// and holds no pure black pixel (it is drawn with black as the transparent colour).
#pragma once

#include "platform/Surface.h"

constexpr int kBackgroundTile = 64;

Surface PaintBackground();
