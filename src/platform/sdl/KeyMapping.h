// Virtual-key codes for SDL's keys, as a US keyboard gives them.
#pragma once

#include <SDL_keyboard.h>

#include <cstdint>

// The virtual key of a key; 0 for keys that have none. Letters follow the active layout
// (their key symbol), every other key its position on a US keyboard.
uint32_t VirtualKeyFor(SDL_Scancode scancode, SDL_Keycode keycode);

// Whether the key types '/' or '?' (with or without Shift): the About accelerator's key.
bool IsSlashOrQuestionKey(SDL_Scancode scancode, SDL_Keycode keycode);
