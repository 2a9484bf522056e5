// Storage of the three fonts.
#include "gfx/GameFonts.h"

Font* FontMedium = nullptr;
Font* FontSmall = nullptr;
Font* FontLarge = nullptr;
