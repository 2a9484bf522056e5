// The typed characters of the virtual keys.
#include "platform/KeyCharacters.h"

#include "platform/Messages.h"

char CharacterOfKey(uintptr_t virtualKey) {
    if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
        return char(virtualKey);
    }
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9) {
        return char('0' + (virtualKey - VK_NUMPAD0));
    }
    switch (virtualKey) {
        case VK_SPACE:
            return ' ';
        case VK_MULTIPLY:
            return '*';
        case VK_ADD:
            return '+';
        case VK_SUBTRACT:
            return '-';
        case VK_DECIMAL:
            return '.';
        case VK_DIVIDE:
            return '/';
        case VK_OEM_1:
            return ';';
        case VK_OEM_PLUS:
            return '=';
        case VK_OEM_COMMA:
            return ',';
        case VK_OEM_MINUS:
            return '-';
        case VK_OEM_PERIOD:
            return '.';
        case VK_OEM_2:
            return '/';
        case VK_OEM_3:
            return '`';
        case VK_OEM_4:
            return '[';
        case VK_OEM_5:
            return '\\';
        case VK_OEM_6:
            return ']';
        case VK_OEM_7:
            return '\'';
        case VK_OEM_102:
            return '<';
        default:
            return '\0';
    }
}
