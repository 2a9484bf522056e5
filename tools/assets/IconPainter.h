// The game's icons: a ruby resting in a slingshot. The window icons are 32 x 32 (resource
// 107) and 16 x 16 (resource 108), reduced to 16 colours with black transparent; the
// desktop's icons come in the usual sizes, in full colour with smooth edges.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "ResourceEmitter.h"
#include "platform/Surface.h"

constexpr int kLargeIconId = 107;
constexpr int kSmallIconId = 108;
constexpr int kIconColours = 16;
inline constexpr std::array kDesktopIconSizes{16, 32, 48, 64, 128, 256};

// A picture with an opacity per pixel (row by row, 0 transparent to 255 opaque).
struct DesktopIcon {
    int size = 0;
    Surface colour;
    std::vector<uint8_t> alpha;
};

// size is 32 or 16; the drawing scales with it.
Surface PaintIcon(int size);
// Both window icons with their resource ids.
std::vector<IconResource> PaintIcons();
// The icon at size x size pixels, for the desktop's menus and launchers.
DesktopIcon PaintDesktopIcon(int size);
