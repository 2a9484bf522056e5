// The window icons: a ruby resting in a slingshot, 32 x 32 (resource 107) and 16 x 16
// (resource 108), reduced to 16 colours with black transparent.
#pragma once

#include <vector>

#include "ResourceEmitter.h"
#include "platform/Surface.h"

constexpr int kLargeIconId = 107;
constexpr int kSmallIconId = 108;
constexpr int kIconColours = 16;

// size is 32 or 16; the drawing scales with it.
Surface PaintIcon(int size);
// Both icons with their resource ids.
std::vector<IconResource> PaintIcons();
