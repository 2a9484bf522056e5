// The US keyboard's keys as virtual keys, group by group, and the characters they type.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/KeyCharacters.h"
#include "platform/Messages.h"
#include "platform/sdl/KeyMapping.h"

namespace {

// The key as a US layout reports it: letters with their letter symbol.
uint32_t KeyAt(SDL_Scancode scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        return VirtualKeyFor(scancode, SDLK_a + (scancode - SDL_SCANCODE_A));
    }
    return VirtualKeyFor(scancode, SDL_SCANCODE_TO_KEYCODE(scancode));
}

}  // namespace

TEST(KeyMappingTest, LettersAreUpperCaseAndFollowTheLayout) {
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(KeyAt(SDL_Scancode(SDL_SCANCODE_A + i)), uint32_t('A' + i));
    }
    // A French layout types 'a' where a US keyboard has Q: the letter wins.
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_Q, SDLK_a), uint32_t('A'));
    // A layout whose letters are not Latin keeps the US position.
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_Q, SDL_Keycode(0x0439)), uint32_t('Q'));
}

TEST(KeyMappingTest, DigitRowGivesDigits) {
    EXPECT_EQ(KeyAt(SDL_SCANCODE_1), uint32_t('1'));
    EXPECT_EQ(KeyAt(SDL_SCANCODE_5), uint32_t('5'));
    EXPECT_EQ(KeyAt(SDL_SCANCODE_9), uint32_t('9'));
    EXPECT_EQ(KeyAt(SDL_SCANCODE_0), uint32_t('0'));
}

TEST(KeyMappingTest, FunctionKeysOneToTwentyFour) {
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(KeyAt(SDL_Scancode(SDL_SCANCODE_F1 + i)), VK_F1 + uint32_t(i));
    }
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(KeyAt(SDL_Scancode(SDL_SCANCODE_F13 + i)), VK_F1 + 12 + uint32_t(i));
    }
    EXPECT_EQ(KeyAt(SDL_SCANCODE_F6), VK_F6);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_F24), VK_F24);
}

TEST(KeyMappingTest, EditingAndNavigationKeys) {
    EXPECT_EQ(KeyAt(SDL_SCANCODE_ESCAPE), VK_ESCAPE);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_PAUSE), VK_PAUSE);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_BACKSPACE), VK_BACK);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_RETURN), VK_RETURN);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_KP_ENTER), VK_RETURN);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_TAB), VK_TAB);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_SPACE), VK_SPACE);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_LEFT), VK_LEFT);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_UP), VK_UP);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_RIGHT), VK_RIGHT);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_DOWN), VK_DOWN);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_HOME), VK_HOME);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_END), VK_END);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_PAGEUP), VK_PRIOR);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_PAGEDOWN), VK_NEXT);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_INSERT), VK_INSERT);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_DELETE), VK_DELETE);
}

TEST(KeyMappingTest, ModifiersGiveTheGenericCodesForBothSides) {
    EXPECT_EQ(KeyAt(SDL_SCANCODE_LSHIFT), VK_SHIFT);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_RSHIFT), VK_SHIFT);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_LCTRL), VK_CONTROL);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_RCTRL), VK_CONTROL);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_LALT), VK_MENU);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_RALT), VK_MENU);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_LGUI), VK_LWIN);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_RGUI), VK_RWIN);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_APPLICATION), VK_APPS);
}

TEST(KeyMappingTest, KeypadKeysGiveTheirCodesAndTypeDigitsAndSigns) {
    EXPECT_EQ(KeyAt(SDL_SCANCODE_KP_0), VK_NUMPAD0);
    EXPECT_EQ(CharacterOfKey(VK_NUMPAD0), '0');
    for (int i = 0; i < 9; ++i) {
        const uint32_t key = KeyAt(SDL_Scancode(SDL_SCANCODE_KP_1 + i));
        EXPECT_EQ(key, VK_NUMPAD0 + 1 + uint32_t(i));
        EXPECT_EQ(CharacterOfKey(key), char('1' + i));
    }
    const std::tuple<SDL_Scancode, uint32_t, char> keys[] = {
        {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY, '*'},
        {SDL_SCANCODE_KP_PLUS, VK_ADD, '+'},
        {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT, '-'},
        {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, '.'},
        {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE, '/'}};
    for (const auto& [scancode, virtualKey, typed] : keys) {
        EXPECT_EQ(KeyAt(scancode), virtualKey) << typed;
        EXPECT_EQ(CharacterOfKey(virtualKey), typed);
    }
}

TEST(KeyMappingTest, PunctuationKeysGiveTheirOemCodesAndTypeTheirUnshiftedCharacter) {
    const std::tuple<SDL_Scancode, uint32_t, char> keys[] = {
        {SDL_SCANCODE_SEMICOLON, VK_OEM_1, ';'},   {SDL_SCANCODE_EQUALS, VK_OEM_PLUS, '='},
        {SDL_SCANCODE_COMMA, VK_OEM_COMMA, ','},   {SDL_SCANCODE_MINUS, VK_OEM_MINUS, '-'},
        {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD, '.'}, {SDL_SCANCODE_SLASH, VK_OEM_2, '/'},
        {SDL_SCANCODE_GRAVE, VK_OEM_3, '`'},       {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4, '['},
        {SDL_SCANCODE_BACKSLASH, VK_OEM_5, '\\'},  {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6, ']'},
        {SDL_SCANCODE_APOSTROPHE, VK_OEM_7, '\''}, {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102, '<'},
        {SDL_SCANCODE_SPACE, VK_SPACE, ' '}};
    for (const auto& [scancode, virtualKey, typed] : keys) {
        EXPECT_EQ(KeyAt(scancode), virtualKey) << typed;
        EXPECT_EQ(CharacterOfKey(virtualKey), typed);
    }
}

TEST(KeyMappingTest, LettersAndDigitsTypeThemselvesAndOtherKeysNothing) {
    for (char c : {'A', 'Z', '0', '9'}) EXPECT_EQ(CharacterOfKey(uintptr_t(c)), c);
    const uintptr_t silent[] = {0,          10,      VK_BACK,    VK_TAB,    VK_RETURN, VK_SHIFT,
                                VK_CONTROL, VK_MENU, VK_CAPITAL, VK_ESCAPE, VK_LEFT,   VK_DELETE,
                                VK_F1,      VK_F24,  VK_NUMLOCK, VK_LSHIFT, VK_LWIN,   0x100 + 'A'};
    for (uintptr_t key : silent) EXPECT_EQ(CharacterOfKey(key), '\0') << key;
}

TEST(KeyMappingTest, LockAndSystemKeys) {
    EXPECT_EQ(KeyAt(SDL_SCANCODE_CAPSLOCK), VK_CAPITAL);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_NUMLOCKCLEAR), VK_NUMLOCK);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_SCROLLLOCK), VK_SCROLL);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_PRINTSCREEN), VK_SNAPSHOT);
}

TEST(KeyMappingTest, KeysWithoutAVirtualKeyGiveZero) {
    EXPECT_EQ(KeyAt(SDL_SCANCODE_UNKNOWN), 0u);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_MUTE), 0u);
    EXPECT_EQ(KeyAt(SDL_SCANCODE_KP_EQUALS), 0u);
}

TEST(KeyMappingTest, SlashKeyIsFoundByPositionOrSymbol) {
    EXPECT_TRUE(IsSlashOrQuestionKey(SDL_SCANCODE_SLASH, SDLK_SLASH));
    EXPECT_TRUE(IsSlashOrQuestionKey(SDL_SCANCODE_7, SDLK_SLASH));
    EXPECT_TRUE(IsSlashOrQuestionKey(SDL_SCANCODE_MINUS, SDLK_QUESTION));
    EXPECT_FALSE(IsSlashOrQuestionKey(SDL_SCANCODE_PERIOD, SDLK_PERIOD));
    EXPECT_FALSE(IsSlashOrQuestionKey(SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE));
}
