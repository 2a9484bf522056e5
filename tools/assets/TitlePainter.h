// The title picture: the game's name in lit golden letters over a spray of gems, as wide
// as the field, 190 high, on black (transparent).
#pragma once

#include "platform/FieldGeometry.h"
#include "platform/Surface.h"

constexpr int kTitleWidth = kFieldWidth;
constexpr int kTitleHeight = 190;

Surface PaintTitle();
