// Facet lighting and the three colour families.
#include "JewelLighting.h"

#include "StableMath.h"

namespace {

const Vec3 kKeyLight = Normalised({-0.55, -0.7, 0.55});
const Vec3 kViewer{0.0, 0.0, 1.0};

// Bright patches of the surroundings that the facets mirror: a big window at the top left
// (the key light), lesser ones around, so neighbouring facets catch very different light.
struct Reflector {
    Vec3 direction;
    double strength;
};
const Reflector kReflectors[] = {
    {Normalised({-0.62, -0.62, 0.48}), 1.0}, {Normalised({0.35, -0.85, 0.4}), 0.6},
    {Normalised({0.9, -0.15, 0.42}), 0.35},  {Normalised({0.2, 0.9, 0.4}), 0.2},
    {Normalised({-0.75, 0.5, 0.45}), 0.45},  {Normalised({0.0, 0.0, 1.0}), 0.3},
};

double Lobe(Vec3 direction, Vec3 towards, int sharpness) {
    const double d = Dot(direction, towards);
    return d > 0.0 ? PowInt(d, sharpness) : 0.0;
}

}  // namespace

const GemPalette& PaletteOf(GemFamily family) {
    static const GemPalette ruby{
        Ramp{Hex(0x3c0414), Hex(0x8a0c2c), Hex(0xd81c4c), Hex(0xff5a82), Hex(0xffc8d6)},
        Hex(0x2a0510), Hex(0xfff0f4)};
    static const GemPalette emerald{
        Ramp{Hex(0x032a16), Hex(0x0a6a32), Hex(0x18b056), Hex(0x5ae88a), Hex(0xcaffd8)},
        Hex(0x04200f), Hex(0xf0fff4)};
    static const GemPalette sapphire{
        Ramp{Hex(0x08103e), Hex(0x15308c), Hex(0x2a5ee0), Hex(0x6aa6ff), Hex(0xd2e6ff)},
        Hex(0x070b2c), Hex(0xf0f6ff)};
    switch (family) {
        case GemFamily::Emerald:
            return emerald;
        case GemFamily::Sapphire:
            return sapphire;
        case GemFamily::Ruby:
            break;
    }
    return ruby;
}

std::string FamilyTag(GemFamily family) {
    switch (family) {
        case GemFamily::Emerald:
            return "Gr";
        case GemFamily::Sapphire:
            return "Bl";
        case GemFamily::Ruby:
            break;
    }
    return "";
}

Rgb FacetColour(const GemPalette& palette, Vec3 normal, double boost) {
    const double diffuse = Clamp01(Dot(normal, kKeyLight));
    const Vec3 reflected = normal * (2.0 * Dot(normal, kViewer)) - kViewer;
    double studio = 0.0;
    for (const Reflector& reflector : kReflectors) {
        studio += reflector.strength * Lobe(reflected, reflector.direction, 8);
    }
    const double tone = 0.04 + 0.22 * diffuse + 1.0 * studio + boost;
    const double glint = Clamp01(Lobe(reflected, kKeyLight, 24) * 1.4 + (tone - 1.0));
    return Mix(palette.body.At(tone), palette.sparkle, glint);
}
