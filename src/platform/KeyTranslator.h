// Turns key presses and releases into window messages, the way the system's keyboard
// handling and the accelerator table do: Alt combinations become system keys, Alt with
// '/' or '?' becomes the About command, Ctrl+Q the Exit command, Alt+Enter and F11 switch
// full screen, Alt with a menu title's letter opens that menu, F10 opens the first menu.
// Keys taken for those never reach the game, releases and repeats included.
#pragma once

#include <bitset>
#include <cstdint>
#include <vector>

#include "platform/Messages.h"

struct KeyEvent {
    bool down = false;
    bool repeat = false;      // an automatic repeat of a held key
    uint32_t virtualKey = 0;  // 0: a key without a virtual key
    bool alt = false;         // modifiers held at the time of the event
    bool ctrl = false;
    bool slashOrQuestion = false;  // the key types '/' or '?'
};

struct KeyAction {
    enum class Kind { None, Message, ToggleFullscreen, OpenMenu };
    Kind kind = Kind::None;
    Message message;     // for Message: a key message or the accelerator's WM_COMMAND
    int menuIndex = -1;  // for OpenMenu
};

class KeyTranslator {
public:
    // The virtual keys of the menu titles' mnemonic letters, in menu order (0: none).
    explicit KeyTranslator(std::vector<uint32_t> menuMnemonics);

    KeyAction Translate(const KeyEvent& event);
    // The next release (and repeats) of this key are dropped: something else took its press.
    void SwallowUntilReleased(uint32_t virtualKey);

private:
    static Message KeyMessage(const KeyEvent& event);

    std::vector<uint32_t> menuMnemonics_;
    std::bitset<256> swallowed_;
};
