// The shell: the sound setting and its menu item, the window sizes and placement, Exit,
// the About and How to Play boxes.
#include <gtest/gtest.h>

#include <map>

#include "app/Shell.h"
#include "app/WindowSettings.h"
#include "objects/PowerUp.h"
#include "objects/SlideOut.h"
#include "sound/SoundPlayer.h"
#include "support/HeadlessGame.h"

namespace {

// Games started with the settings store holding the given values (nothing when null).
class ShellTest : public ::testing::Test {
protected:
    void Start(const char* storedSound, const char* storedScale = nullptr) {
        game.reset();  // one game at a time: the frame driver and its modes are global
        game = std::make_unique<HeadlessGame>(1000, [&](MemorySettingStore& settings) {
            if (storedSound) settings.Write(kSettingsKey, kSoundSettingName, storedSound);
            if (storedScale) settings.Write(kSettingsKey, kDisplayScaleSettingName, storedScale);
        });
    }
    std::string Stored(const char* name) {
        std::string value;
        return game->settings.Read(kSettingsKey, name, value) ? value : "(none)";
    }
    std::string SoundItem() { return game->window.MenuItemText(IDM_SOUND); }

    std::unique_ptr<HeadlessGame> game;
};

// Only a value beginning with a capital Y means sound on, and so do none (a first run) and one
// too long for the 1024-byte read buffer, its terminating zero included; Y or N is stored back.
TEST_F(ShellTest, TheStoredSoundSettingIsReadAndStoredBack) {
    const std::string longest(1023, 'N'), tooLong(1024, 'N');
    const std::pair<const char*, bool> cases[] = {{nullptr, true},
                                                  {"Yes", true},
                                                  {"N", false},
                                                  {"", false},
                                                  {"y", false},
                                                  {"0", false},
                                                  {longest.c_str(), false},
                                                  {tooLong.c_str(), true}};
    for (const auto& [stored, on] : cases) {
        Start(stored);
        const std::string value = stored ? std::string(stored).substr(0, 8) : "(none)";
        EXPECT_EQ(soundPlayer.enabled, on) << value;
        EXPECT_EQ(SoundItem(), on ? "Turn Sound Off" : "Turn Sound On") << value;
        EXPECT_EQ(Stored(kSoundSettingName), on ? "Y" : "N") << value;
    }
}

TEST_F(ShellTest, TheSoundItemTogglesAndStoresEveryTime) {
    Start("N");
    game->Send(WM_COMMAND, IDM_SOUND);
    EXPECT_TRUE(soundPlayer.enabled);
    EXPECT_EQ(SoundItem(), "Turn Sound Off");
    EXPECT_EQ(Stored(kSoundSettingName), "Y");
    game->Send(WM_COMMAND, IDM_SOUND);
    EXPECT_FALSE(soundPlayer.enabled);
    EXPECT_EQ(SoundItem(), "Turn Sound On");
    EXPECT_EQ(Stored(kSoundSettingName), "N");
}

TEST_F(ShellTest, OptionsOfferTheSizesThatFitFitToScreenAndExitLast) {
    const Menu options = MainMenus()[0];
    std::vector<int> commands;
    for (const MenuItem& item : options.items) commands.push_back(item.command);
    EXPECT_EQ(commands, (std::vector<int>{IDM_SOUND, IDM_DISPLAY_SCALE + 1, IDM_DISPLAY_SCALE + 2,
                                          IDM_DISPLAY_SCALE + 3, IDM_FIT_TO_SCREEN, IDM_EXIT}));
    Start(nullptr);
    EXPECT_FALSE(game->window.IsMenuItemRemoved(IDM_DISPLAY_SCALE + 3));
    game->window.SetLargestFittingPreset(1);
    RemoveUnfittingSizeItems(game->window);
    EXPECT_FALSE(game->window.IsMenuItemRemoved(IDM_DISPLAY_SCALE + 1));
    EXPECT_TRUE(game->window.IsMenuItemRemoved(IDM_DISPLAY_SCALE + 2));
    EXPECT_TRUE(game->window.IsMenuItemRemoved(IDM_DISPLAY_SCALE + 3));
    EXPECT_FALSE(game->window.IsMenuItemRemoved(IDM_FIT_TO_SCREEN));

    game->Send(WM_COMMAND, IDM_DISPLAY_SCALE + 2);
    EXPECT_EQ(game->window.LastWindowSize(), 2);
    game->Send(WM_COMMAND, IDM_FIT_TO_SCREEN);
    EXPECT_EQ(game->window.LastWindowSize(), 0);
    EXPECT_FALSE(game->Send(WM_COMMAND, IDM_EXIT));
}

TEST_F(ShellTest, ThePlacementIsStoredWhenTheWindowCloses) {
    Start(nullptr);
    game->window.SetPlacement(WindowPlacement{10, -20, 300, 600, false});
    EXPECT_EQ(Stored(kWindowPlacementSettingName), "(none)");
    EXPECT_FALSE(game->Send(WM_CLOSE));
    EXPECT_EQ(Stored(kWindowPlacementSettingName), "10 -20 300 600");
    EXPECT_EQ(StoredWindowPlacement(game->settings), (WindowPlacement{10, -20, 300, 600, false}));
}

TEST_F(ShellTest, StoredPlacementsReadBackOrCountAsMissing) {
    const std::pair<const char*, std::optional<WindowPlacement>> cases[] = {
        {"100 50 400 700", WindowPlacement{100, 50, 400, 700, false}},
        {" -5 0 288 596 maximised", WindowPlacement{-5, 0, 288, 596, true}},
        {"", std::nullopt},
        {"1 2 3", std::nullopt},
        {"1 2 0 4", std::nullopt},
        {"1 2 3 4 big", std::nullopt},
        {"1 2 3 4 maximised 5", std::nullopt},
        {"a b c d", std::nullopt},
        {"1 2 300000 4", std::nullopt},
        {"1 2 3.5 4", std::nullopt}};
    for (const auto& [text, placement] : cases) {
        EXPECT_EQ(ParsePlacement(text), placement) << text;
        if (placement) {
            EXPECT_EQ(ParsePlacement(FormatPlacement(*placement)), placement);
        }
    }
}

TEST_F(ShellTest, OnlyStoredSizesFromOneToThreeCount) {
    const std::pair<const char*, int> cases[] = {{"1", 1},  {"3", 3}, {"0", 0}, {"4", 0},
                                                 {"2x", 0}, {"", 0},  {"-1", 0}};
    for (const auto& [value, scale] : cases) {
        MemorySettingStore settings;
        settings.Write(kSettingsKey, kDisplayScaleSettingName, value);
        EXPECT_EQ(StoredDisplayScale(settings), scale) << value;
    }
    MemorySettingStore empty;
    EXPECT_EQ(StoredDisplayScale(empty), 0);
}

TEST_F(ShellTest, AboutOpensTheBoxAndOtherCommandsAreLeftAlone) {
    Start(nullptr);
    game->Send(WM_COMMAND, IDM_ABOUT);
    ASSERT_EQ(game->window.Boxes().size(), 1u);
    EXPECT_EQ(game->window.Boxes()[0].caption, "About");
    EXPECT_NE(game->window.Boxes()[0].text.find("Version "), std::string::npos);
    // "Pebblor", then the credit on a line of its own.
    EXPECT_EQ(game->window.Boxes()[0].text.rfind("Pebblor\nby ", 0), 0u);
    EXPECT_NE(game->window.Boxes()[0].text.find("Use your Slingshot"), std::string::npos);
    EXPECT_EQ(MainWindowTitle().rfind("Pebblor   by ", 0), 0u);
    EXPECT_TRUE(game->Send(WM_COMMAND, 9999));
    EXPECT_FALSE(game->window.IsDestroyed());
}

TEST_F(ShellTest, HowToPlayIsOfferedInTheHelpMenuAndExplainsEveryShotAndPanel) {
    Start(nullptr);
    const Menu help = MainMenus().back();
    EXPECT_EQ(help.title, "&Help");
    ASSERT_FALSE(help.items.empty());
    EXPECT_EQ(help.items[0].command, IDM_HOW_TO_PLAY);

    game->Send(WM_COMMAND, IDM_HOW_TO_PLAY);
    ASSERT_EQ(game->window.Boxes().size(), 1u);
    EXPECT_EQ(game->window.Boxes()[0].caption, "How to Play");
    const std::string text = game->window.Boxes()[0].text;
    // A line of its own for each capsule's shot and each panel's effect.
    std::map<std::string, int> lines;
    for (int kind = 0; kind <= 6; ++kind) ++lines[ShotKindNames[kind]];
    for (const char* panel : SlideOutNames) ++lines[panel];
    for (const auto& [label, count] : lines) {
        const std::string start = "\n" + label + " ";
        int found = 0;
        for (size_t at = text.find(start); at != std::string::npos; at = text.find(start, at + 1)) {
            ++found;
        }
        EXPECT_EQ(found, count) << label;
    }
    for (const char* words : {"slingshot", "accuracy", "5X from 100%", "P, Esc or Pause", "F6",
                              "Alt+Enter or F11", "Ctrl+Q", "F10", "Replays"}) {
        EXPECT_NE(text.find(words), std::string::npos) << words;
    }

    // A web page has no menu bar: its box keeps the rules and the playing keys only.
    game->window.SetHasMenuBar(false);
    game->Send(WM_COMMAND, IDM_HOW_TO_PLAY);
    ASSERT_EQ(game->window.Boxes().size(), 2u);
    const std::string& pageText = game->window.Boxes()[1].text;
    EXPECT_EQ(pageText.substr(0, pageText.find("F6")), text.substr(0, text.find("F6")));
    for (const char* words : {"Alt+Enter", "F10", "Ctrl+Q", "Replays"}) {
        EXPECT_EQ(pageText.find(words), std::string::npos) << words;
    }
}

}  // namespace
