// Windows icon files (.ico): several pictures of one icon in one file, from which Windows
// picks the size and colour depth the screen wants.
#pragma once

#include <cstdint>
#include <vector>

#include "IconPainter.h"
#include "platform/Surface.h"

// One picture of an icon: a palette picture of at most 16 colours (black is transparent),
// or a full-colour one with an opacity per pixel.
struct IconImage {
    Surface colour;
    std::vector<uint8_t> alpha;  // empty: 16 colours, black transparent
};

IconImage SixteenColourImage(const Surface& picture);
IconImage FullColourImage(const DesktopIcon& icon);

// The file's bytes: 16-colour and smaller full-colour pictures as bitmaps with their masks,
// 256-pixel ones as PNG. Empty when a picture is not square, over 256 pixels, or (16
// colours) has more than 16 colours.
std::vector<uint8_t> EncodeIconFile(const std::vector<IconImage>& images);
