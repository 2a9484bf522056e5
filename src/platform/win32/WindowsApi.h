// The Windows API as the Win32 backend includes it. Windows names its message numbers and
// virtual keys with macros, the game with constants of the same names (platform/Messages.h):
// the macros are taken out again once their values have been checked to be the game's.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
// The whole of windows.h (the sound, shell and multimedia parts among it), then the known
// folders, which need it first. The game's own timeGetTime (platform/Clock.h) returns
// uint32_t: the system's, of another type, is declared apart, in namespace winmm.
#define timeGetTime pebblor_system_timeGetTime
#include <windows.h>
//
#include <shlobj.h>
#undef timeGetTime

namespace winmm {
extern "C" __declspec(dllimport) DWORD WINAPI timeGetTime(void);
}  // namespace winmm

// clang-format off
#define PEBBLOR_NAMES_SHARED_WITH_WINDOWS(X)                                                   \
    X(WM_CREATE) X(WM_DESTROY) X(WM_ACTIVATE) X(WM_PAINT) X(WM_CLOSE) X(WM_QUIT)              \
    X(WM_KEYDOWN) X(WM_KEYUP) X(WM_CHAR) X(WM_SYSKEYDOWN) X(WM_SYSKEYUP) X(WM_COMMAND)        \
    X(WM_MOUSEMOVE) X(WM_LBUTTONDOWN) X(WM_LBUTTONUP) X(WA_INACTIVE) X(WA_ACTIVE)             \
    X(MK_LBUTTON) X(IDOK) X(IDCANCEL)                                                          \
    X(VK_BACK) X(VK_TAB) X(VK_RETURN) X(VK_SHIFT) X(VK_CONTROL) X(VK_MENU) X(VK_PAUSE)        \
    X(VK_CAPITAL) X(VK_ESCAPE) X(VK_SPACE) X(VK_PRIOR) X(VK_NEXT) X(VK_END) X(VK_HOME)        \
    X(VK_LEFT) X(VK_UP) X(VK_RIGHT) X(VK_DOWN) X(VK_SNAPSHOT) X(VK_INSERT) X(VK_DELETE)       \
    X(VK_LWIN) X(VK_RWIN) X(VK_APPS) X(VK_NUMPAD0) X(VK_MULTIPLY) X(VK_ADD) X(VK_SUBTRACT)    \
    X(VK_DECIMAL) X(VK_DIVIDE) X(VK_F1) X(VK_F6) X(VK_F10) X(VK_F11) X(VK_F12) X(VK_F24)      \
    X(VK_NUMLOCK) X(VK_SCROLL) X(VK_LSHIFT) X(VK_RSHIFT) X(VK_LCONTROL) X(VK_RCONTROL)        \
    X(VK_LMENU) X(VK_RMENU) X(VK_OEM_1) X(VK_OEM_PLUS) X(VK_OEM_COMMA) X(VK_OEM_MINUS)        \
    X(VK_OEM_PERIOD) X(VK_OEM_2) X(VK_OEM_3) X(VK_OEM_4) X(VK_OEM_5) X(VK_OEM_6)              \
    X(VK_OEM_7) X(VK_OEM_102)
// clang-format on

namespace windows_values {
#define PEBBLOR_KEEP_WINDOWS_VALUE(name) constexpr unsigned long long name##_ = (name);
PEBBLOR_NAMES_SHARED_WITH_WINDOWS(PEBBLOR_KEEP_WINDOWS_VALUE)
#undef PEBBLOR_KEEP_WINDOWS_VALUE
}  // namespace windows_values

// clang-format off
#undef WM_CREATE
#undef WM_DESTROY
#undef WM_ACTIVATE
#undef WM_PAINT
#undef WM_CLOSE
#undef WM_QUIT
#undef WM_KEYDOWN
#undef WM_KEYUP
#undef WM_CHAR
#undef WM_SYSKEYDOWN
#undef WM_SYSKEYUP
#undef WM_COMMAND
#undef WM_MOUSEMOVE
#undef WM_LBUTTONDOWN
#undef WM_LBUTTONUP
#undef WA_INACTIVE
#undef WA_ACTIVE
#undef MK_LBUTTON
#undef IDOK
#undef IDCANCEL
#undef VK_BACK
#undef VK_TAB
#undef VK_RETURN
#undef VK_SHIFT
#undef VK_CONTROL
#undef VK_MENU
#undef VK_PAUSE
#undef VK_CAPITAL
#undef VK_ESCAPE
#undef VK_SPACE
#undef VK_PRIOR
#undef VK_NEXT
#undef VK_END
#undef VK_HOME
#undef VK_LEFT
#undef VK_UP
#undef VK_RIGHT
#undef VK_DOWN
#undef VK_SNAPSHOT
#undef VK_INSERT
#undef VK_DELETE
#undef VK_LWIN
#undef VK_RWIN
#undef VK_APPS
#undef VK_NUMPAD0
#undef VK_MULTIPLY
#undef VK_ADD
#undef VK_SUBTRACT
#undef VK_DECIMAL
#undef VK_DIVIDE
#undef VK_F1
#undef VK_F6
#undef VK_F10
#undef VK_F11
#undef VK_F12
#undef VK_F24
#undef VK_NUMLOCK
#undef VK_SCROLL
#undef VK_LSHIFT
#undef VK_RSHIFT
#undef VK_LCONTROL
#undef VK_RCONTROL
#undef VK_LMENU
#undef VK_RMENU
#undef VK_OEM_1
#undef VK_OEM_PLUS
#undef VK_OEM_COMMA
#undef VK_OEM_MINUS
#undef VK_OEM_PERIOD
#undef VK_OEM_2
#undef VK_OEM_3
#undef VK_OEM_4
#undef VK_OEM_5
#undef VK_OEM_6
#undef VK_OEM_7
#undef VK_OEM_102
// Functions the game's window has under the same names.
#undef PeekMessage
#undef DefWindowProc
// clang-format on

#include "platform/Messages.h"

#define PEBBLOR_CHECK_WINDOWS_VALUE(name) \
    static_assert(name == windows_values::name##_, #name " differs from Windows' value");
PEBBLOR_NAMES_SHARED_WITH_WINDOWS(PEBBLOR_CHECK_WINDOWS_VALUE)
#undef PEBBLOR_CHECK_WINDOWS_VALUE
#undef PEBBLOR_NAMES_SHARED_WITH_WINDOWS
