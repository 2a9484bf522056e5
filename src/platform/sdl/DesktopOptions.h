// What the desktop window is made with.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/AudioDevice.h"
#include "platform/Surface.h"
#include "platform/Window.h"

struct DesktopOptions {
    std::string title;  // Windows-1252, as all the game's text
    std::vector<Menu> menus;
    Surface largeIcon;  // 32 x 32; black is transparent; may be empty
    Surface smallIcon;  // 16 x 16, used when there is no large one
    // The first window's size and place (see FirstPlacement): where the window was last,
    // else a preset scale (1 to kMaxPresetScale), else (0) the largest that fits.
    std::optional<WindowPlacement> placement;
    int scale = 0;
    // Where the sound clips are found; null: every clip is missing and plays silence.
    WaveSource clips = nullptr;
};
