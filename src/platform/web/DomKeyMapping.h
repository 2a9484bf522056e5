// Virtual-key codes for the browser's keys (KeyboardEvent.code and .key), as a US keyboard
// gives them: the same codes the desktop's keys give.
#pragma once

#include <cstdint>
#include <string_view>

// The virtual key of a key; 0 for keys that have none. Letters follow the active layout
// (the character the key types), every other key its position on a US keyboard.
uint32_t VirtualKeyForDomKey(std::string_view code, std::string_view key);

// Whether the key types '/' or '?' (with or without Shift): the About accelerator's key.
bool IsSlashOrQuestionDomKey(std::string_view code, std::string_view key);
