// The character a virtual key types, as the initials of a high score take it.
#pragma once

#include <cstdint>

// Letters give their capital, digits (the number pad's too) their digit, space a space, and
// punctuation keys the character they type unshifted on a US keyboard. Modifier, lock,
// function, navigation and control keys type nothing: '\0'.
char CharacterOfKey(uintptr_t virtualKey);
