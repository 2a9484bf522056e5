// Window messages and virtual-key codes, numbered as the Win32 ones they stand for.
#pragma once

#include <cstdint>

struct Message {
    uint32_t message = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

constexpr uint32_t WM_CREATE = 0x0001;
constexpr uint32_t WM_DESTROY = 0x0002;
constexpr uint32_t WM_ACTIVATE = 0x0006;
constexpr uint32_t WM_PAINT = 0x000F;
constexpr uint32_t WM_CLOSE = 0x0010;
constexpr uint32_t WM_QUIT = 0x0012;
constexpr uint32_t WM_KEYDOWN = 0x0100;
constexpr uint32_t WM_KEYUP = 0x0101;
constexpr uint32_t WM_CHAR = 0x0102;
constexpr uint32_t WM_SYSKEYDOWN = 0x0104;
constexpr uint32_t WM_SYSKEYUP = 0x0105;
constexpr uint32_t WM_COMMAND = 0x0111;
constexpr uint32_t WM_MOUSEMOVE = 0x0200;
constexpr uint32_t WM_LBUTTONDOWN = 0x0201;
constexpr uint32_t WM_LBUTTONUP = 0x0202;

constexpr uintptr_t WA_INACTIVE = 0;
constexpr uintptr_t WA_ACTIVE = 1;
constexpr uintptr_t MK_LBUTTON = 0x0001;

// Menu commands.
constexpr int IDM_ABOUT = 104;
constexpr int IDM_EXIT = 105;
constexpr int IDM_SOUND = 32773;
constexpr int IDM_HOW_TO_PLAY = 32775;
// Window sizes: IDM_DISPLAY_SCALE + scale for the presets 1 to 3, and the largest that fits.
constexpr int IDM_DISPLAY_SCALE = 32780;
constexpr int IDM_FIT_TO_SCREEN = 32784;
// Replays: the last game, and IDM_WATCH_ENTRY + row for a high score entry's (rows 0 to 9).
constexpr int IDM_WATCH_LAST_GAME = 32790;
constexpr int IDM_WATCH_ENTRY = 32791;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Virtual keys. Letters and digits are their upper-case ASCII codes ('A'..'Z', '0'..'9').
constexpr uint32_t VK_BACK = 0x08;
constexpr uint32_t VK_TAB = 0x09;
constexpr uint32_t VK_RETURN = 0x0D;
constexpr uint32_t VK_SHIFT = 0x10;
constexpr uint32_t VK_CONTROL = 0x11;
constexpr uint32_t VK_MENU = 0x12;  // Alt
constexpr uint32_t VK_PAUSE = 0x13;
constexpr uint32_t VK_CAPITAL = 0x14;
constexpr uint32_t VK_ESCAPE = 0x1B;
constexpr uint32_t VK_SPACE = 0x20;
constexpr uint32_t VK_PRIOR = 0x21;
constexpr uint32_t VK_NEXT = 0x22;
constexpr uint32_t VK_END = 0x23;
constexpr uint32_t VK_HOME = 0x24;
constexpr uint32_t VK_LEFT = 0x25;
constexpr uint32_t VK_UP = 0x26;
constexpr uint32_t VK_RIGHT = 0x27;
constexpr uint32_t VK_DOWN = 0x28;
constexpr uint32_t VK_SNAPSHOT = 0x2C;
constexpr uint32_t VK_INSERT = 0x2D;
constexpr uint32_t VK_DELETE = 0x2E;
constexpr uint32_t VK_LWIN = 0x5B;
constexpr uint32_t VK_RWIN = 0x5C;
constexpr uint32_t VK_APPS = 0x5D;
constexpr uint32_t VK_NUMPAD0 = 0x60;  // to VK_NUMPAD9 = 0x69
constexpr uint32_t VK_MULTIPLY = 0x6A;
constexpr uint32_t VK_ADD = 0x6B;
constexpr uint32_t VK_SUBTRACT = 0x6D;
constexpr uint32_t VK_DECIMAL = 0x6E;
constexpr uint32_t VK_DIVIDE = 0x6F;
constexpr uint32_t VK_F1 = 0x70;  // to VK_F24 = 0x87
constexpr uint32_t VK_F6 = 0x75;
constexpr uint32_t VK_F10 = 0x79;
constexpr uint32_t VK_F11 = 0x7A;
constexpr uint32_t VK_F12 = 0x7B;
constexpr uint32_t VK_F24 = 0x87;
constexpr uint32_t VK_NUMLOCK = 0x90;
constexpr uint32_t VK_SCROLL = 0x91;
constexpr uint32_t VK_LSHIFT = 0xA0;
constexpr uint32_t VK_RSHIFT = 0xA1;
constexpr uint32_t VK_LCONTROL = 0xA2;
constexpr uint32_t VK_RCONTROL = 0xA3;
constexpr uint32_t VK_LMENU = 0xA4;
constexpr uint32_t VK_RMENU = 0xA5;
constexpr uint32_t VK_OEM_1 = 0xBA;       // ;:
constexpr uint32_t VK_OEM_PLUS = 0xBB;    // =+
constexpr uint32_t VK_OEM_COMMA = 0xBC;   // ,<
constexpr uint32_t VK_OEM_MINUS = 0xBD;   // -_
constexpr uint32_t VK_OEM_PERIOD = 0xBE;  // .>
constexpr uint32_t VK_OEM_2 = 0xBF;       // /?
constexpr uint32_t VK_OEM_3 = 0xC0;       // `~
constexpr uint32_t VK_OEM_4 = 0xDB;       // [{
constexpr uint32_t VK_OEM_5 = 0xDC;       // \|
constexpr uint32_t VK_OEM_6 = 0xDD;       // ]}
constexpr uint32_t VK_OEM_7 = 0xDE;       // '"
constexpr uint32_t VK_OEM_102 = 0xE2;     // the extra key beside left Shift on ISO keyboards

// A key message's lParam as every backend gives it: a repeat count of 1, bit 29 while Alt is
// held, bit 30 when the key was down before (a repeat or a release), bit 31 on release. The
// system's scan code bits are left out.
constexpr intptr_t MakeKeyLParam(bool down, bool repeat, bool alt) {
    return intptr_t(1) | (alt ? intptr_t(1) << 29 : 0) | (!down || repeat ? intptr_t(1) << 30 : 0) |
           (!down ? intptr_t(1) << 31 : 0);
}

// Mouse positions travel in lParam as two 16-bit words, x low, y high.
constexpr intptr_t MakeMouseLParam(int x, int y) {
    return intptr_t((uint32_t(uint16_t(x))) | (uint32_t(uint16_t(y)) << 16));
}
constexpr uint16_t LowWord(uintptr_t value) { return uint16_t(value & 0xFFFF); }
constexpr uint16_t HighWord(uintptr_t value) { return uint16_t((value >> 16) & 0xFFFF); }
