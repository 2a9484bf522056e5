// The shell's menu commands, fonts and sound setting.
#include "app/Shell.h"

#include <memory>

#include "sound/SoundPlayer.h"

Window* mainWindow = nullptr;
SettingStore* settingStore = nullptr;

const char* const kSettingsKey = "Software\\Zorvane";
const char* const kSoundSettingName = "PebblorSoundSetting";

namespace {

const char* const kCredit = "Zorvane Games";
const char* const kAboutText =
    "Use your Slingshot to smash the gems before they reach the bottom!\n\n"
    "Click and drag the ball downwards, then let go to launch it up the screen at the "
    "gems.\n\nPress ESC, Pause, or P to pause the game.\n\nGood Luck!";

void ShowAbout(Window& window) {
    window.ShowAboutBox("About Pebblor",
                        std::string("Pebblor ") + PEBBLOR_VERSION + "\nby " + kCredit,
                        kAboutText);
}

}  // namespace

std::string MainWindowTitle() { return std::string("Pebblor   by ") + kCredit; }

std::vector<Menu> MainMenus() {
    return {Menu{"&Options", {MenuItem{"Turn Sound Off", IDM_SOUND}}},
            Menu{"&Help", {MenuItem{"&About ...", IDM_ABOUT}}}};
}

void CreateFonts() {
    FontMedium = Font::Create(16, "Tahoma").release();
    FontSmall = Font::Create(10, "Arial").release();
    FontLarge = Font::Create(30, "Arial").release();
}

void DeleteFonts() {
    for (Font** font : {&FontMedium, &FontSmall, &FontLarge}) {
        delete *font;
        *font = nullptr;
    }
}

void LoadSoundSetting() {
    std::string value;
    const bool found =
        settingStore != nullptr && settingStore->Read(kSettingsKey, kSoundSettingName, value);
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
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}
