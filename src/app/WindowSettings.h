// The window's size and place across runs: the Options menu's size items, the placement
// kept in the setting store when the window closes, and the preset scale older versions
// stored.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/SettingStore.h"
#include "platform/Window.h"

extern const char* const kDisplayScaleSettingName;
extern const char* const kWindowPlacementSettingName;

// "Window Size 1x" to "3x" and "Fit to Screen".
std::vector<MenuItem> WindowSizeMenuItems();
// Takes the presets whose window does not fit the screen out of the menu.
void RemoveUnfittingSizeItems(Window& window);
// Sizes the window for a size item's command; false for any other command.
bool HandleWindowSizeCommand(Window& window, int command);

// The preset scale (1 to 3) an older version stored, or 0 when there is none.
int StoredDisplayScale(SettingStore& settings);
// The placement stored when the window last closed; nothing when none can be read.
std::optional<WindowPlacement> StoredWindowPlacement(SettingStore& settings);
// Stores where the window is, when it can tell and it is not stored already.
void StoreWindowPlacement(SettingStore& settings, const Window& window);

// "X Y WIDTH HEIGHT", followed by " maximised" when it is.
std::string FormatPlacement(const WindowPlacement& placement);
std::optional<WindowPlacement> ParsePlacement(const std::string& text);
