// The shell's menu commands, fonts and sound setting.
#include "app/Shell.h"

#include <memory>

#include "app/HowToPlay.h"
#include "app/ReplayMenu.h"
#include "app/WindowSettings.h"
#include "platform/BakedFont.h"
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

// The stored text and its terminating zero must fit this buffer, or the read fails.
constexpr size_t kSettingReadBufferSize = 1024;

void ShowAbout(Window& window) {
    // The version closes the box, after the texts as they have always stood.
    window.ShowAboutBox("About", std::string("Pebblor\nby ") + kCredit,
                        std::string(kAboutText) + "\n\nVersion " + PEBBLOR_VERSION);
}

}  // namespace

std::string MainWindowTitle() { return std::string("Pebblor   by ") + kCredit; }

std::vector<Menu> MainMenus() {
    Menu options{"&Options", {MenuItem{"Turn Sound Off", IDM_SOUND}}};
    for (MenuItem& item : WindowSizeMenuItems()) options.items.push_back(std::move(item));
    options.items.push_back(MenuItem{"E&xit", IDM_EXIT});
    return {options, ReplaysMenu(),
            Menu{"&Help",
                 {MenuItem{"&How to Play", IDM_HOW_TO_PLAY}, MenuItem{"&About ...", IDM_ABOUT}}}};
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

intptr_t HandleShellCommand(Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    switch (LowWord(wParam)) {
        case IDM_ABOUT:
            ShowAbout(window);
            return 0;
        case IDM_HOW_TO_PLAY:
            window.ShowAboutBox("How to Play", "Pebblor", HowToPlayText(window.HasMenuBar()));
            return 0;
        case IDM_EXIT:
            window.Destroy();
            return 0;
        case IDM_SOUND:
            soundPlayer.enabled = !soundPlayer.enabled;
            ApplySoundSetting();
            return 0;
        default:
            if (HandleWindowSizeCommand(window, LowWord(wParam))) return 0;
            return DefWindowProc(window, message, wParam, lParam);
    }
}
