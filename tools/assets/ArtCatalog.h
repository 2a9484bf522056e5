// Every bitmap file the game loads, painted, with the pixel depth it is stored in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Surface.h"

enum class BmpDepth { Indexed8, Rgb24 };

struct ArtFile {
    std::string name;
    Surface picture;
    BmpDepth depth;
};

std::vector<ArtFile> PaintAllArt();
// The file's bytes: palette bitmaps are reduced to at most 256 colours.
std::vector<uint8_t> EncodeArtFile(const ArtFile& file);
