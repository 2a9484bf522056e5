// Whole numbers as decimal text, as printf's "%0*ld" writes them, without its cost: the
// title writes thirty numbers a frame.
#pragma once

#include <cstdint>

// Writes value at out, zero-padded after any minus sign to at least width characters, and
// returns the end (no NUL is written). out needs room for max(width, 20) characters.
char* WriteDecimal(char* out, int64_t value, int width = 0);
