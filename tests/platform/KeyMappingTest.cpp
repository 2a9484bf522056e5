// The US keyboard's keys as virtual keys, from the desktop's scancodes and from the browser's
// KeyboardEvent codes alike, the characters they type, and the layouts' letters.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/KeyCharacters.h"
#include "platform/Messages.h"
#include "platform/sdl/KeyMapping.h"
#include "platform/web/DomKeyMapping.h"

namespace {

struct UsKey {
    SDL_Scancode scancode;
    std::string code;  // KeyboardEvent.code
    uint32_t virtualKey;
    char typed = '\0';
};
void PrintTo(const UsKey& key, std::ostream* out) { *out << key.code; }

std::vector<UsKey> EveryKey() {
    std::vector<UsKey> keys = {
        {SDL_SCANCODE_ESCAPE, "Escape", VK_ESCAPE},
        {SDL_SCANCODE_PAUSE, "Pause", VK_PAUSE},
        {SDL_SCANCODE_BACKSPACE, "Backspace", VK_BACK},
        {SDL_SCANCODE_RETURN, "Enter", VK_RETURN},
        {SDL_SCANCODE_KP_ENTER, "NumpadEnter", VK_RETURN},
        {SDL_SCANCODE_TAB, "Tab", VK_TAB},
        {SDL_SCANCODE_SPACE, "Space", VK_SPACE, ' '},
        {SDL_SCANCODE_LEFT, "ArrowLeft", VK_LEFT},
        {SDL_SCANCODE_UP, "ArrowUp", VK_UP},
        {SDL_SCANCODE_RIGHT, "ArrowRight", VK_RIGHT},
        {SDL_SCANCODE_DOWN, "ArrowDown", VK_DOWN},
        {SDL_SCANCODE_HOME, "Home", VK_HOME},
        {SDL_SCANCODE_END, "End", VK_END},
        {SDL_SCANCODE_PAGEUP, "PageUp", VK_PRIOR},
        {SDL_SCANCODE_PAGEDOWN, "PageDown", VK_NEXT},
        {SDL_SCANCODE_INSERT, "Insert", VK_INSERT},
        {SDL_SCANCODE_DELETE, "Delete", VK_DELETE},
        // Modifiers give the generic codes for both sides.
        {SDL_SCANCODE_LSHIFT, "ShiftLeft", VK_SHIFT},
        {SDL_SCANCODE_RSHIFT, "ShiftRight", VK_SHIFT},
        {SDL_SCANCODE_LCTRL, "ControlLeft", VK_CONTROL},
        {SDL_SCANCODE_RCTRL, "ControlRight", VK_CONTROL},
        {SDL_SCANCODE_LALT, "AltLeft", VK_MENU},
        {SDL_SCANCODE_RALT, "AltRight", VK_MENU},
        {SDL_SCANCODE_LGUI, "MetaLeft", VK_LWIN},
        {SDL_SCANCODE_RGUI, "MetaRight", VK_RWIN},
        {SDL_SCANCODE_APPLICATION, "ContextMenu", VK_APPS},
        {SDL_SCANCODE_CAPSLOCK, "CapsLock", VK_CAPITAL},
        {SDL_SCANCODE_NUMLOCKCLEAR, "NumLock", VK_NUMLOCK},
        {SDL_SCANCODE_SCROLLLOCK, "ScrollLock", VK_SCROLL},
        {SDL_SCANCODE_PRINTSCREEN, "PrintScreen", VK_SNAPSHOT},
        // Punctuation types its unshifted character.
        {SDL_SCANCODE_SEMICOLON, "Semicolon", VK_OEM_1, ';'},
        {SDL_SCANCODE_EQUALS, "Equal", VK_OEM_PLUS, '='},
        {SDL_SCANCODE_COMMA, "Comma", VK_OEM_COMMA, ','},
        {SDL_SCANCODE_MINUS, "Minus", VK_OEM_MINUS, '-'},
        {SDL_SCANCODE_PERIOD, "Period", VK_OEM_PERIOD, '.'},
        {SDL_SCANCODE_SLASH, "Slash", VK_OEM_2, '/'},
        {SDL_SCANCODE_GRAVE, "Backquote", VK_OEM_3, '`'},
        {SDL_SCANCODE_LEFTBRACKET, "BracketLeft", VK_OEM_4, '['},
        {SDL_SCANCODE_BACKSLASH, "Backslash", VK_OEM_5, '\\'},
        {SDL_SCANCODE_RIGHTBRACKET, "BracketRight", VK_OEM_6, ']'},
        {SDL_SCANCODE_APOSTROPHE, "Quote", VK_OEM_7, '\''},
        {SDL_SCANCODE_NONUSBACKSLASH, "IntlBackslash", VK_OEM_102, '<'},
        {SDL_SCANCODE_KP_MULTIPLY, "NumpadMultiply", VK_MULTIPLY, '*'},
        {SDL_SCANCODE_KP_PLUS, "NumpadAdd", VK_ADD, '+'},
        {SDL_SCANCODE_KP_MINUS, "NumpadSubtract", VK_SUBTRACT, '-'},
        {SDL_SCANCODE_KP_PERIOD, "NumpadDecimal", VK_DECIMAL, '.'},
        {SDL_SCANCODE_KP_DIVIDE, "NumpadDivide", VK_DIVIDE, '/'},
    };
    for (int i = 0; i < 26; ++i) {
        keys.push_back({SDL_Scancode(SDL_SCANCODE_A + i), "Key" + std::string(1, char('A' + i)),
                        uint32_t('A' + i), char('A' + i)});
    }
    for (int i = 0; i < 10; ++i) {
        const SDL_Scancode digit = i == 0 ? SDL_SCANCODE_0 : SDL_Scancode(SDL_SCANCODE_1 + i - 1);
        const SDL_Scancode keypad =
            i == 0 ? SDL_SCANCODE_KP_0 : SDL_Scancode(SDL_SCANCODE_KP_1 + i - 1);
        keys.push_back({digit, "Digit" + std::to_string(i), uint32_t('0' + i), char('0' + i)});
        keys.push_back(
            {keypad, "Numpad" + std::to_string(i), VK_NUMPAD0 + uint32_t(i), char('0' + i)});
    }
    for (int i = 0; i < 24; ++i) {
        const SDL_Scancode function =
            i < 12 ? SDL_Scancode(SDL_SCANCODE_F1 + i) : SDL_Scancode(SDL_SCANCODE_F13 + i - 12);
        keys.push_back({function, "F" + std::to_string(i + 1), VK_F1 + uint32_t(i)});
    }
    return keys;
}

class UsKeyboardTest : public testing::TestWithParam<UsKey> {};

}  // namespace

TEST_P(UsKeyboardTest, GivesItsVirtualKeyOnTheDesktopAndInTheBrowserAndTypesItsCharacter) {
    const UsKey& key = GetParam();
    // A US layout: letters report their letter symbol and type it, other keys no letter.
    const bool letter = key.code.size() == 4 && key.code.starts_with("Key");
    const SDL_Keycode symbol =
        letter ? SDLK_a + (key.scancode - SDL_SCANCODE_A) : SDL_SCANCODE_TO_KEYCODE(key.scancode);
    EXPECT_EQ(VirtualKeyFor(key.scancode, symbol), key.virtualKey);
    const std::string typed = letter ? std::string(1, char(key.code[3] | 0x20)) : "Unidentified";
    EXPECT_EQ(VirtualKeyForDomKey(key.code, typed), key.virtualKey);
    EXPECT_EQ(CharacterOfKey(key.virtualKey), key.typed);
}

INSTANTIATE_TEST_SUITE_P(Every, UsKeyboardTest, testing::ValuesIn(EveryKey()),
                         [](const auto& info) { return info.param.code; });

TEST(KeyMappingTest, LettersFollowTheLayoutAndUnknownKeysGiveNone) {
    // A French layout types 'a' where a US keyboard has Q: the letter wins.
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_Q, SDLK_a), uint32_t('A'));
    EXPECT_EQ(VirtualKeyForDomKey("KeyQ", "a"), uint32_t('A'));
    // A layout whose letters are not Latin keeps the US position.
    EXPECT_EQ(VirtualKeyFor(SDL_SCANCODE_Q, SDL_Keycode(0x0439)), uint32_t('Q'));
    EXPECT_EQ(VirtualKeyForDomKey("KeyQ", "\xD0\xB9"), uint32_t('Q'));

    for (SDL_Scancode none : {SDL_SCANCODE_UNKNOWN, SDL_SCANCODE_MUTE, SDL_SCANCODE_KP_EQUALS}) {
        EXPECT_EQ(VirtualKeyFor(none, SDL_SCANCODE_TO_KEYCODE(none)), 0u) << none;
    }
    for (const char* none : {"F25", "Digit", ""}) EXPECT_EQ(VirtualKeyForDomKey(none, ""), 0u);
    for (uintptr_t silent :
         {uintptr_t(0), uintptr_t(10), uintptr_t(VK_LSHIFT), uintptr_t(0x100 + 'A')}) {
        EXPECT_EQ(CharacterOfKey(silent), '\0') << silent;
    }
}

TEST(KeyMappingTest, SlashKeyIsFoundByPositionOrSymbol) {
    EXPECT_TRUE(IsSlashOrQuestionKey(SDL_SCANCODE_SLASH, SDLK_SLASH));
    EXPECT_TRUE(IsSlashOrQuestionKey(SDL_SCANCODE_7, SDLK_SLASH));
    EXPECT_TRUE(IsSlashOrQuestionKey(SDL_SCANCODE_MINUS, SDLK_QUESTION));
    EXPECT_FALSE(IsSlashOrQuestionKey(SDL_SCANCODE_PERIOD, SDLK_PERIOD));
    EXPECT_FALSE(IsSlashOrQuestionKey(SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE));
    EXPECT_TRUE(IsSlashOrQuestionDomKey("Slash", "?"));
    EXPECT_FALSE(IsSlashOrQuestionDomKey("KeyP", "p"));
}
