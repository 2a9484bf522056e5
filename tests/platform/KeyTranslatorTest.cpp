// Key events to messages: system keys, accelerators, Alt+Enter, menu mnemonics and F10.
#include <gtest/gtest.h>

#include "platform/KeyTranslator.h"

namespace {

constexpr intptr_t kContextAlt = intptr_t(1) << 29;
constexpr intptr_t kPreviouslyDown = intptr_t(1) << 30;
constexpr intptr_t kTransitionUp = intptr_t(1) << 31;

KeyEvent Press(uint32_t key, bool alt = false, bool ctrl = false) {
    KeyEvent event;
    event.down = true;
    event.virtualKey = key;
    event.alt = alt;
    event.ctrl = ctrl;
    event.slashOrQuestion = key == VK_OEM_2;
    return event;
}

KeyEvent Repeat(uint32_t key, bool alt = false) {
    KeyEvent event = Press(key, alt);
    event.repeat = true;
    return event;
}

KeyEvent Release(uint32_t key, bool alt = false) {
    KeyEvent event = Press(key, alt);
    event.down = false;
    return event;
}

class KeyTranslatorTest : public ::testing::Test {
protected:
    // Titles "&Options" and "&Help".
    KeyTranslator keys{{'O', 'H'}};

    void ExpectMessage(const KeyEvent& event, uint32_t message, uint32_t key) {
        const KeyAction action = keys.Translate(event);
        ASSERT_EQ(action.kind, KeyAction::Kind::Message);
        EXPECT_EQ(action.message.message, message);
        EXPECT_EQ(action.message.wParam, key);
    }
    void ExpectNothing(const KeyEvent& event) {
        EXPECT_EQ(keys.Translate(event).kind, KeyAction::Kind::None);
    }
};

}  // namespace

TEST_F(KeyTranslatorTest, PlainKeysGoDownRepeatAndUp) {
    KeyAction down = keys.Translate(Press('P'));
    ASSERT_EQ(down.kind, KeyAction::Kind::Message);
    EXPECT_EQ(down.message.message, WM_KEYDOWN);
    EXPECT_EQ(down.message.wParam, uintptr_t('P'));
    EXPECT_EQ(down.message.lParam, 1);

    KeyAction repeat = keys.Translate(Repeat('P'));
    EXPECT_EQ(repeat.message.message, WM_KEYDOWN);
    EXPECT_EQ(repeat.message.lParam, 1 | kPreviouslyDown);

    KeyAction up = keys.Translate(Release('P'));
    EXPECT_EQ(up.message.message, WM_KEYUP);
    EXPECT_EQ(up.message.wParam, uintptr_t('P'));
    EXPECT_EQ(up.message.lParam, 1 | kPreviouslyDown | kTransitionUp);
    // Keys without a virtual key are dropped.
    ExpectNothing(Press(0));
    ExpectNothing(Release(0));
    ExpectNothing(Press(0x1234));
}

TEST_F(KeyTranslatorTest, AltAndKeysHeldWithItAreSystemKeys) {
    ExpectMessage(Press(VK_MENU, true), WM_SYSKEYDOWN, VK_MENU);
    const KeyAction key = keys.Translate(Press('P', true));
    EXPECT_EQ(key.message.message, WM_SYSKEYDOWN);
    EXPECT_EQ(key.message.lParam & kContextAlt, kContextAlt);
    ExpectMessage(Release('P', true), WM_SYSKEYUP, 'P');
    ExpectMessage(Release(VK_MENU, false), WM_SYSKEYUP, VK_MENU);
    // Ctrl+Alt types characters on many layouts: ordinary keys.
    ExpectMessage(Press('E', true, true), WM_KEYDOWN, 'E');
    // Ctrl+F10 opens no menu, but F10 is a system key all the same.
    ExpectMessage(Press(VK_F10, false, true), WM_SYSKEYDOWN, VK_F10);
    ExpectMessage(Press(VK_SHIFT), WM_KEYDOWN, VK_SHIFT);
}

TEST_F(KeyTranslatorTest, AltSlashOrQuestionMarkIsTheAboutCommandAndTheKeyNeverArrives) {
    const KeyAction command = keys.Translate(Press(VK_OEM_2, true));
    ASSERT_EQ(command.kind, KeyAction::Kind::Message);
    EXPECT_EQ(command.message.message, WM_COMMAND);
    EXPECT_EQ(command.message.wParam, uintptr_t(IDM_ABOUT));
    ExpectNothing(Repeat(VK_OEM_2, true));
    // Alt may be let go first: the slash's release is still the accelerator's.
    ExpectNothing(Release(VK_OEM_2, false));
    // The next slash on its own is an ordinary key again.
    ExpectMessage(Press(VK_OEM_2), WM_KEYDOWN, VK_OEM_2);
    ExpectMessage(Release(VK_OEM_2), WM_KEYUP, VK_OEM_2);
    // Alt with a question mark on another key is the command too.
    KeyEvent question = Press(VK_OEM_MINUS, true);
    question.slashOrQuestion = true;
    const KeyAction other = keys.Translate(question);
    EXPECT_EQ(other.message.message, WM_COMMAND);
    EXPECT_EQ(other.message.wParam, uintptr_t(IDM_ABOUT));
    ExpectNothing(Release(VK_OEM_MINUS, true));
}

TEST_F(KeyTranslatorTest, AltEnterAndF11ToggleFullscreenAndNeverArrive) {
    EXPECT_EQ(keys.Translate(Press(VK_RETURN, true)).kind, KeyAction::Kind::ToggleFullscreen);
    ExpectNothing(Repeat(VK_RETURN, true));
    ExpectNothing(Release(VK_RETURN, true));
    EXPECT_EQ(keys.Translate(Press(VK_RETURN, true)).kind, KeyAction::Kind::ToggleFullscreen);
    ExpectNothing(Release(VK_RETURN, false));
    ExpectMessage(Press(VK_RETURN), WM_KEYDOWN, VK_RETURN);

    const uint32_t f11 = VK_F1 + 10;
    EXPECT_EQ(keys.Translate(Press(f11)).kind, KeyAction::Kind::ToggleFullscreen);
    ExpectNothing(Repeat(f11));
    ExpectNothing(Release(f11));
    EXPECT_EQ(keys.Translate(Press(f11, false, true)).kind, KeyAction::Kind::ToggleFullscreen);
}

TEST_F(KeyTranslatorTest, CtrlQIsTheExitCommandAndTheQNeverArrives) {
    const KeyAction command = keys.Translate(Press('Q', false, true));
    ASSERT_EQ(command.kind, KeyAction::Kind::Message);
    EXPECT_EQ(command.message.message, WM_COMMAND);
    EXPECT_EQ(command.message.wParam, uintptr_t(IDM_EXIT));
    ExpectNothing(Repeat('Q'));
    ExpectNothing(Release('Q'));
    // Q alone is the game's, and Ctrl+Alt+Q types a character on some layouts.
    ExpectMessage(Press('Q'), WM_KEYDOWN, 'Q');
    ExpectMessage(Press('Q', true, true), WM_KEYDOWN, 'Q');
}

TEST_F(KeyTranslatorTest, AltWithATitleLetterOpensThatMenuAndF10TheFirst) {
    const KeyAction help = keys.Translate(Press('H', true));
    EXPECT_EQ(help.kind, KeyAction::Kind::OpenMenu);
    EXPECT_EQ(help.menuIndex, 1);
    ExpectNothing(Release('H', true));
    EXPECT_EQ(keys.Translate(Press('O', true)).menuIndex, 0);
    // Without Alt the letter is a key for the game.
    ExpectMessage(Press('H'), WM_KEYDOWN, 'H');

    const KeyAction f10 = keys.Translate(Press(VK_F10));
    EXPECT_EQ(f10.kind, KeyAction::Kind::OpenMenu);
    EXPECT_EQ(f10.menuIndex, 0);
    ExpectNothing(Repeat(VK_F10));
    ExpectNothing(Release(VK_F10));
}

TEST_F(KeyTranslatorTest, SwallowedKeysLoseTheirReleaseButNotTheirNextPress) {
    keys.SwallowUntilReleased(VK_ESCAPE);
    ExpectNothing(Repeat(VK_ESCAPE));
    ExpectNothing(Release(VK_ESCAPE));
    ExpectMessage(Release(VK_ESCAPE), WM_KEYUP, VK_ESCAPE);

    // A release lost elsewhere leaves the mark behind; a new press clears it.
    keys.SwallowUntilReleased('P');
    ExpectMessage(Press('P'), WM_KEYDOWN, 'P');
    ExpectMessage(Release('P'), WM_KEYUP, 'P');
}
