// Copies of our pixels onto the SDL window surface: nearest-neighbour integer scaling and
// conversion to whatever pixel format the surface has.
#pragma once

#include <SDL_surface.h>

#include <vector>

#include "platform/Rect.h"
#include "platform/Surface.h"

// Copies `area` of source with every pixel grown to scale x scale, its top-left corner at
// (left, top) of the target, clipped to the target. `rowBuffer` is scratch space kept by
// the caller so that copies allocate nothing once it has grown.
void CopyScaled(SDL_Surface* target, const Surface& source, const Rect& area, int scale, int left,
                int top, std::vector<Pixel>& rowBuffer);

void FillBlack(SDL_Surface* target);
