// The big gems: 60 x 60 sprites, six frames of a stone turning on its axis.
#pragma once

#include "JewelLighting.h"
#include "platform/Surface.h"

constexpr int kBigGemSize = 60;
constexpr int kBigGemFrames = 6;

Surface PaintBigGem(GemFamily family, int frame);
