// The three fonts every screen text uses; created by the shell at start-up from the fonts
// baked into the game, null until then (texts then draw nothing).
#pragma once

#include "platform/Font.h"

extern Font* FontMedium;  // 16 px, "Tahoma"
extern Font* FontSmall;   // 10 px, "Arial"
extern Font* FontLarge;   // 30 px, "Arial"
