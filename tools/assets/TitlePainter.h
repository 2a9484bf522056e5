// The title picture: the game's name in lit golden letters over a spray of gems, 288 x 190
// on black (transparent).
#pragma once

#include "platform/Surface.h"

constexpr int kTitleWidth = 288;
constexpr int kTitleHeight = 190;

Surface PaintTitle();
