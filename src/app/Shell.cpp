// The shell's menu commands, fonts and sound setting.
#include "app/Shell.h"

#include <memory>

#include "platform/BakedFont.h"
#include "sound/SoundPlayer.h"

Window* mainWindow = nullptr;
SettingStore* settingStore = nullptr;

const char* const kSettingsKey = "Software\\Zorvane";
const char* const kSoundSettingName = "PebblorSoundSetting";
const char* const kDisplayScaleSettingName = "PebblorDisplayScale";

namespace {

const char* const kCredit = "Zorvane Games";
const char* const kAboutText =
    "Use your Slingshot to smash the gems before they reach the bottom!\n\n"
    "Click and drag the ball downwards, then let go to launch it up the screen at the "
    "gems.\n\nPress ESC, Pause, or P to pause the game.\n\nGood Luck!";

// The stored text and its terminating zero must fit this buffer, or the read fails.
constexpr size_t kSettingReadBufferSize = 1024;

void ShowAbout(Window& window) {
    // The version closes the box, after the texts as they have always stood.
    window.ShowAboutBox("About", std::string("Pebblor\nby ") + kCredit,
                        std::string(kAboutText) + "\n\nVersion " + PEBBLOR_VERSION);
}

std::string DisplayScaleItemText(int scale, bool current) {
    // The bullet (Windows-1252) marks the size in use.
    return std::string(current ? "\x95 " : "") + "Window Size " + std::to_string(scale) + "x";
}

void ChooseDisplayScale(Window& window, int scale) {
    window.SetDisplayScale(scale);
    if (settingStore != nullptr) {
        settingStore->Write(kSettingsKey, kDisplayScaleSettingName,
                            std::to_string(window.DisplayScale()));
    }
    ApplyDisplayScaleMenu();
}

}  // namespace

std::string MainWindowTitle() { return std::string("Pebblor   by ") + kCredit; }

std::vector<Menu> MainMenus() {
    Menu options{"&Options", {MenuItem{"Turn Sound Off", IDM_SOUND}}};
    for (int scale = 1; scale <= kMaxDisplayScale; ++scale) {
        options.items.push_back(
            MenuItem{DisplayScaleItemText(scale, false), IDM_DISPLAY_SCALE + scale});
    }
    return {options, Menu{"&Help", {MenuItem{"&About ...", IDM_ABOUT}}}};
}

int StoredDisplayScale(SettingStore& settings) {
    std::string value;
    if (!settings.Read(kSettingsKey, kDisplayScaleSettingName, value)) return 0;
    if (value.size() != 1 || value[0] < '1' || value[0] > '0' + kMaxDisplayScale) return 0;
    return value[0] - '0';
}

void ApplyDisplayScaleMenu() {
    if (mainWindow == nullptr) return;
    for (int scale = 1; scale <= kMaxDisplayScale; ++scale) {
        mainWindow->SetMenuItemText(IDM_DISPLAY_SCALE + scale,
                                    DisplayScaleItemText(scale, scale == mainWindow->DisplayScale()));
    }
}

void CreateFonts() {
    FontMedium = LoadBakedFont(16, "Tahoma").release();
    FontSmall = LoadBakedFont(10, "Arial").release();
    FontLarge = LoadBakedFont(30, "Arial").release();
}

void DeleteFonts() {
    for (Font** font : {&FontMedium, &FontSmall, &FontLarge}) {
        delete *font;
        *font = nullptr;
    }
}

void LoadSoundSetting() {
    std::string value;
    const bool found = settingStore != nullptr &&
                       settingStore->Read(kSettingsKey, kSoundSettingName, value) &&
                       value.size() < kSettingReadBufferSize;
    soundPlayer.enabled = !found || (!value.empty() && value[0] == 'Y');
}

void ApplySoundSetting() {
    if (settingStore != nullptr) {
        settingStore->Write(kSettingsKey, kSoundSettingName, soundPlayer.enabled ? "Y" : "N");
    }
    if (mainWindow != nullptr) {
        mainWindow->SetMenuItemText(IDM_SOUND,
                                    soundPlayer.enabled ? "Turn Sound Off" : "Turn Sound On");
    }
}

intptr_t HandleShellCommand(Window& window, uint32_t message, uintptr_t wParam,
                            intptr_t lParam) {
    switch (LowWord(wParam)) {
        case IDM_ABOUT:
            ShowAbout(window);
            return 0;
        case IDM_EXIT:
            window.Destroy();
            return 0;
        case IDM_SOUND:
            soundPlayer.enabled = !soundPlayer.enabled;
            ApplySoundSetting();
            return 0;
        default: {
            const int scale = int(LowWord(wParam)) - IDM_DISPLAY_SCALE;
            if (scale >= 1 && scale <= kMaxDisplayScale) {
                ChooseDisplayScale(window, scale);
                return 0;
            }
            return DefWindowProc(window, message, wParam, lParam);
        }
    }
}
