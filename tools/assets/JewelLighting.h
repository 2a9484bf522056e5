// The colour families of the stones and how a facet of them catches the light: a key light
// from the top left, studio reflections, a white glint where the reflection hits the key.
#pragma once

#include <string>

#include "Colour.h"
#include "GemMesh.h"

enum class GemFamily { Ruby, Emerald, Sapphire };

struct GemPalette {
    Ramp body;    // from the darkest facet to the brightest
    Rgb outline;  // the dark ring around the stone (never pure black)
    Rgb sparkle;  // the tint of glints and sparkle stars
};

const GemPalette& PaletteOf(GemFamily family);
// The family's part of the file names: "", "Gr" or "Bl".
std::string FamilyTag(GemFamily family);

// Colour of a facet with this outward view-space normal; boost (0 and up) brightens it, as
// a sweeping sparkle does.
Rgb FacetColour(const GemPalette& palette, Vec3 normal, double boost);
