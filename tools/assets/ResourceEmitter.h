// Writes the C++ source that compiles the sound clips and icons into the game: the
// definitions of FindWaveResource and LoadIconResource.
#pragma once

#include <string>
#include <vector>

#include "ClipCatalog.h"
#include "platform/Surface.h"

struct IconResource {
    int id;
    Surface picture;
};

std::string EmitResourceSource(const std::vector<Clip>& clips,
                               const std::vector<IconResource>& icons);
