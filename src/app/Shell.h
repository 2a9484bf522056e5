// The application shell: window title and menu, the three fonts, the sound setting kept in
// the setting store, and the menu commands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/GameFonts.h"
#include "platform/SettingStore.h"
#include "platform/Window.h"

extern Window* mainWindow;
extern SettingStore* settingStore;

extern const char* const kSettingsKey;
extern const char* const kSoundSettingName;

std::string MainWindowTitle();
// The menu bar: Options, Replays, Help. The sound item's text is set by ApplySoundSetting.
std::vector<Menu> MainMenus();
constexpr int kReplaysMenuIndex = 1;

void CreateFonts();
void DeleteFonts();

// Sound is on unless the stored value can be read (it fits 1024 bytes with its terminating
// zero) and does not begin with 'Y'.
void LoadSoundSetting();
// Stores the setting and makes the menu item name the action it will take.
void ApplySoundSetting();

intptr_t HandleShellCommand(Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam);
