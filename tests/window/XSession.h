// What a window test does from outside the program, as a user's display would: find the
// window, move and click the pointer, type keys, take a screenshot (xdotool, ImageMagick).
#pragma once

#include <optional>
#include <string>

#include "platform/Surface.h"

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Runs a shell command; its standard output, or nothing when it failed.
std::optional<std::string> RunCommand(const std::string& command);
// Starts a shell command in the background and returns at once.
void StartCommand(const std::string& command);

bool HaveTool(const std::string& name);

// The X window id of the window with this exact title, waiting for it to be mapped.
std::optional<std::string> FindWindow(const std::string& title);
// The window's place and size on the screen.
std::optional<ScreenRect> WindowGeometry(const std::string& windowId);
// In the background: waits (up to 20 s) for a window with this title, focuses it and presses
// the key there. For modal boxes, which block the program until a key closes them.
void PressKeyWhenShown(const std::string& title, const std::string& key);
// The screen's size (x and y are 0).
std::optional<ScreenRect> ScreenSize();
// The whole screen, or a part of it, read back through ImageMagick.
Surface Screenshot();
Surface Screenshot(const ScreenRect& area);
