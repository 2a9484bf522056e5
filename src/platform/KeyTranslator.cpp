// Key message translation.
#include "platform/KeyTranslator.h"

#include <utility>

KeyTranslator::KeyTranslator(std::vector<uint32_t> menuMnemonics)
    : menuMnemonics_(std::move(menuMnemonics)) {}

void KeyTranslator::SwallowUntilReleased(uint32_t virtualKey) {
    if (virtualKey < swallowed_.size()) swallowed_.set(virtualKey);
}

KeyAction KeyTranslator::Translate(const KeyEvent& event) {
    const uint32_t key = event.virtualKey;
    if (key == 0 || key >= swallowed_.size()) return KeyAction{};
    if (!event.down) {
        if (swallowed_.test(key)) {
            swallowed_.reset(key);
            return KeyAction{};
        }
        return KeyAction{KeyAction::Kind::Message, KeyMessage(event), -1};
    }
    if (event.repeat && swallowed_.test(key)) return KeyAction{};
    swallowed_.reset(key);  // a fresh press starts over

    if ((event.alt && !event.ctrl && key == VK_RETURN) || (key == VK_F11 && !event.alt)) {
        swallowed_.set(key);
        return KeyAction{event.repeat ? KeyAction::Kind::None : KeyAction::Kind::ToggleFullscreen,
                         Message{}, -1};
    }
    if (event.ctrl && !event.alt && key == 'Q') {
        swallowed_.set(key);
        if (event.repeat) return KeyAction{};
        return KeyAction{KeyAction::Kind::Message, Message{WM_COMMAND, uintptr_t(IDM_EXIT), 0}, -1};
    }
    if (event.alt && event.slashOrQuestion) {
        swallowed_.set(key);
        if (event.repeat) return KeyAction{};
        return KeyAction{KeyAction::Kind::Message, Message{WM_COMMAND, uintptr_t(IDM_ABOUT), 0},
                         -1};
    }
    if (key == VK_F10 && !event.alt && !event.ctrl) {
        swallowed_.set(key);
        return KeyAction{KeyAction::Kind::OpenMenu, Message{}, 0};
    }
    if (event.alt && !event.ctrl && !event.repeat) {
        for (size_t i = 0; i < menuMnemonics_.size(); ++i) {
            if (menuMnemonics_[i] != 0 && menuMnemonics_[i] == key) {
                swallowed_.set(key);
                return KeyAction{KeyAction::Kind::OpenMenu, Message{}, int(i)};
            }
        }
    }
    return KeyAction{KeyAction::Kind::Message, KeyMessage(event), -1};
}

Message KeyTranslator::KeyMessage(const KeyEvent& event) {
    // Alt without Ctrl (AltGr types characters) and F10 give system keys.
    const bool system =
        event.virtualKey == VK_F10 || ((event.alt || event.virtualKey == VK_MENU) && !event.ctrl);
    const intptr_t lParam = MakeKeyLParam(event.down, event.repeat, event.alt);
    uint32_t message = 0;
    if (system) {
        message = event.down ? WM_SYSKEYDOWN : WM_SYSKEYUP;
    } else {
        message = event.down ? WM_KEYDOWN : WM_KEYUP;
    }
    return Message{message, uintptr_t(event.virtualKey), lParam};
}
