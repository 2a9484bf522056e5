// The game's window procedure: every message goes to the current mode first, then to the
// frame driver's keys and the shell's commands.
#pragma once

#include <cstdint>

#include "platform/Window.h"

intptr_t GameWindowProcedure(Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam);
