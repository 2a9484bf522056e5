// The window icons built into the program: 107 (32 x 32) and 108 (16 x 16).
#pragma once

#include "platform/Surface.h"

// The icon's pixels (0x00RRGGBB, black transparent); an empty surface for an unknown id.
Surface LoadIconResource(int id);
