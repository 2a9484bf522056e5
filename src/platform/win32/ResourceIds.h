// Numbers shared by the resource script (Pebblor.rc) and the Win32 backend. Plain macros:
// the resource compiler reads this file too. The menu commands are the game's own
// (platform/Messages.h); Win32Window checks that they agree.
#pragma once

#define PEBBLOR_DIALOG_ABOUT 103
// A dialog like the About box for texts too long for it: the text scrolls.
#define PEBBLOR_DIALOG_LONG_TEXT 110
#define PEBBLOR_ICON_LARGE 107
#define PEBBLOR_ICON_SMALL 108
#define PEBBLOR_MENU 109
#define PEBBLOR_ACCELERATORS 109
#define PEBBLOR_STRING_CLASS_NAME 109

// Controls of both dialogs.
#define PEBBLOR_CONTROL_ICON 2
#define PEBBLOR_CONTROL_HEADING 1000
#define PEBBLOR_CONTROL_TEXT 1001

#define PEBBLOR_COMMAND_ABOUT 104
#define PEBBLOR_COMMAND_EXIT 105
#define PEBBLOR_COMMAND_SOUND 32773
#define PEBBLOR_COMMAND_HOW_TO_PLAY 32775
#define PEBBLOR_COMMAND_SCALE_1 32781
#define PEBBLOR_COMMAND_SCALE_2 32782
#define PEBBLOR_COMMAND_SCALE_3 32783
#define PEBBLOR_COMMAND_FIT_TO_SCREEN 32784
#define PEBBLOR_COMMAND_WATCH_LAST_GAME 32790
// The window's own command, never the game's: Alt+Enter and F11.
#define PEBBLOR_COMMAND_FULL_SCREEN 32810
