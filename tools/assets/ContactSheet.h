// A review picture of all the art: every bitmap and icon enlarged on a grey checkerboard that shows
// its transparent black, and a stretch of playfield with the sprites on the background.
#pragma once

#include <vector>

#include "ArtCatalog.h"
#include "ResourceEmitter.h"

// The icons follow the bitmaps.
Surface BuildContactSheet(const std::vector<ArtFile>& art, const std::vector<IconResource>& icons);
