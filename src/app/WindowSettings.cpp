// Window size items and the stored placement.
#include "app/WindowSettings.h"

#include <sstream>

#include "app/Shell.h"

const char* const kDisplayScaleSettingName = "PebblorDisplayScale";
const char* const kWindowPlacementSettingName = "PebblorWindowPlacement";

namespace {

const char* const kMaximisedWord = "maximised";
// Sizes beyond any screen are not a placement but a damaged value.
constexpr int kLargestSide = 100000;

}  // namespace

std::vector<MenuItem> WindowSizeMenuItems() {
    std::vector<MenuItem> items;
    for (int scale = 1; scale <= kMaxPresetScale; ++scale) {
        items.push_back(
            MenuItem{"Window Size " + std::to_string(scale) + "x", IDM_DISPLAY_SCALE + scale});
    }
    items.push_back(MenuItem{"Fit to &Screen", IDM_FIT_TO_SCREEN});
    return items;
}

void RemoveUnfittingSizeItems(Window& window) {
    for (int scale = 1; scale <= kMaxPresetScale; ++scale) {
        if (!window.WindowSizeFits(scale)) window.RemoveMenuItem(IDM_DISPLAY_SCALE + scale);
    }
}

bool HandleWindowSizeCommand(Window& window, int command) {
    if (command == IDM_FIT_TO_SCREEN) {
        window.SetWindowSize(0);
        return true;
    }
    const int scale = command - IDM_DISPLAY_SCALE;
    if (scale < 1 || scale > kMaxPresetScale) return false;
    window.SetWindowSize(scale);
    return true;
}

int StoredDisplayScale(SettingStore& settings) {
    std::string value;
    if (!settings.Read(kSettingsKey, kDisplayScaleSettingName, value)) return 0;
    if (value.size() != 1 || value[0] < '1' || value[0] > '0' + kMaxPresetScale) return 0;
    return value[0] - '0';
}

std::optional<WindowPlacement> StoredWindowPlacement(SettingStore& settings) {
    std::string value;
    if (!settings.Read(kSettingsKey, kWindowPlacementSettingName, value)) return std::nullopt;
    return ParsePlacement(value);
}

void StoreWindowPlacement(SettingStore& settings, const Window& window) {
    const std::optional<WindowPlacement> placement = window.Placement();
    if (!placement) return;
    // Written to disk only when it changed: closing must not wait for the disk for nothing.
    const std::string text = FormatPlacement(*placement);
    std::string stored;
    if (settings.Read(kSettingsKey, kWindowPlacementSettingName, stored) && stored == text) return;
    settings.Write(kSettingsKey, kWindowPlacementSettingName, text);
}

std::string FormatPlacement(const WindowPlacement& placement) {
    std::ostringstream text;
    text << placement.x << ' ' << placement.y << ' ' << placement.width << ' ' << placement.height;
    if (placement.maximised) text << ' ' << kMaximisedWord;
    return text.str();
}

std::optional<WindowPlacement> ParsePlacement(const std::string& text) {
    std::istringstream fields(text);
    WindowPlacement placement;
    if (!(fields >> placement.x >> placement.y >> placement.width >> placement.height)) {
        return std::nullopt;
    }
    std::string word;
    if (fields >> word) {
        if (word != kMaximisedWord) return std::nullopt;
        placement.maximised = true;
    }
    if (fields >> word) return std::nullopt;
    if (placement.width <= 0 || placement.height <= 0 || placement.width > kLargestSide ||
        placement.height > kLargestSide || placement.x < -kLargestSide ||
        placement.x > kLargestSide || placement.y < -kLargestSide || placement.y > kLargestSide) {
        return std::nullopt;
    }
    return placement;
}
