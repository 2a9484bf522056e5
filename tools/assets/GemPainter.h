// The falling gems: 22 x 22 sprites, three frames of a sparkle running across the facets.
#pragma once

#include "GemCuts.h"
#include "JewelLighting.h"
#include "platform/Surface.h"

constexpr int kGemSize = 22;
constexpr int kGemFrames = 3;

Surface PaintGem(GemCut cut, GemFamily family, int frame);
