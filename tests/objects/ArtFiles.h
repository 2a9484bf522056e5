// Bitmap strips written into a temporary folder, so the drawing tests know every picture
// the art cache hands out. The cache keeps what it loaded for the whole process.
#pragma once

#include <string>
#include <vector>

#include "gfx/TempDir.h"
#include "platform/Surface.h"

// A picture of one flat colour per frame file named in artRow (space-separated), all of the
// given size, written into `folder`. Frame i gets colours[i]. The screen object's art cache
// looks for it at the next request, even where it missed it before.
void WriteArtRow(const TempDir& folder, const std::string& artRow, int width, int height,
                 const std::vector<Pixel>& colours);

// Distinct colours for up to six frames.
std::vector<Pixel> FrameColours();
