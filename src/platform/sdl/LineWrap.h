// Long lines of a box's text broken at spaces: the system's message box shows every line
// whole, however wide.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Each line longer than `columns` characters is broken at its last space within them (the
// space is dropped); a word longer than that stays whole on a line of its own.
std::string WrapLines(std::string_view text, size_t columns);
