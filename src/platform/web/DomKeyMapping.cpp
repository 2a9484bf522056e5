// The KeyboardEvent.code table of a US keyboard.
#include "platform/web/DomKeyMapping.h"

#include <algorithm>
#include <iterator>

#include "platform/Messages.h"

namespace {

struct CodeKey {
    std::string_view code;
    uint32_t virtualKey;
};

constexpr CodeKey kCodeKeys[] = {
    {"Escape", VK_ESCAPE},
    {"Pause", VK_PAUSE},
    {"Backspace", VK_BACK},
    {"Enter", VK_RETURN},
    {"NumpadEnter", VK_RETURN},
    {"Tab", VK_TAB},
    {"Space", VK_SPACE},
    {"ShiftLeft", VK_SHIFT},
    {"ShiftRight", VK_SHIFT},
    {"ControlLeft", VK_CONTROL},
    {"ControlRight", VK_CONTROL},
    {"AltLeft", VK_MENU},
    {"AltRight", VK_MENU},
    {"MetaLeft", VK_LWIN},
    {"MetaRight", VK_RWIN},
    {"ContextMenu", VK_APPS},
    {"ArrowLeft", VK_LEFT},
    {"ArrowUp", VK_UP},
    {"ArrowRight", VK_RIGHT},
    {"ArrowDown", VK_DOWN},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"Insert", VK_INSERT},
    {"Delete", VK_DELETE},
    {"NumpadMultiply", VK_MULTIPLY},
    {"NumpadAdd", VK_ADD},
    {"NumpadSubtract", VK_SUBTRACT},
    {"NumpadDecimal", VK_DECIMAL},
    {"NumpadDivide", VK_DIVIDE},
    {"Semicolon", VK_OEM_1},
    {"Equal", VK_OEM_PLUS},
    {"Comma", VK_OEM_COMMA},
    {"Minus", VK_OEM_MINUS},
    {"Period", VK_OEM_PERIOD},
    {"Slash", VK_OEM_2},
    {"Backquote", VK_OEM_3},
    {"BracketLeft", VK_OEM_4},
    {"Backslash", VK_OEM_5},
    {"BracketRight", VK_OEM_6},
    {"Quote", VK_OEM_7},
    {"IntlBackslash", VK_OEM_102},
    {"CapsLock", VK_CAPITAL},
    {"NumLock", VK_NUMLOCK},
    {"ScrollLock", VK_SCROLL},
    {"PrintScreen", VK_SNAPSHOT},
};

// The number after a prefix ("F12" is 12 after "F"), or -1.
int NumberAfter(std::string_view code, std::string_view prefix) {
    if (!code.starts_with(prefix) || code.size() == prefix.size() ||
        code.size() > prefix.size() + 2) {
        return -1;
    }
    int number = 0;
    for (char c : code.substr(prefix.size())) {
        if (c < '0' || c > '9') return -1;
        number = number * 10 + (c - '0');
    }
    return number;
}

uint32_t VirtualKeyForPosition(std::string_view code) {
    if (const int letter = code.size() == 4 && code.starts_with("Key") ? code[3] : 0;
        letter >= 'A' && letter <= 'Z') {
        return uint32_t(letter);
    }
    if (const int digit = NumberAfter(code, "Digit"); digit >= 0 && digit <= 9) {
        return '0' + uint32_t(digit);
    }
    if (const int digit = NumberAfter(code, "Numpad"); digit >= 0 && digit <= 9) {
        return VK_NUMPAD0 + uint32_t(digit);
    }
    if (const int function = NumberAfter(code, "F"); function >= 1 && function <= 24) {
        return VK_F1 + uint32_t(function - 1);
    }
    const auto found = std::find_if(std::begin(kCodeKeys), std::end(kCodeKeys),
                                    [code](const CodeKey& entry) { return entry.code == code; });
    return found != std::end(kCodeKeys) ? found->virtualKey : 0;
}

}  // namespace

uint32_t VirtualKeyForDomKey(std::string_view code, std::string_view key) {
    if (key.size() == 1 && ((key[0] >= 'a' && key[0] <= 'z') || (key[0] >= 'A' && key[0] <= 'Z'))) {
        return uint32_t(key[0] & ~0x20);
    }
    return VirtualKeyForPosition(code);
}

bool IsSlashOrQuestionDomKey(std::string_view code, std::string_view key) {
    return code == "Slash" || key == "/" || key == "?";
}
