// Title: the word, outlined in deep plum, then a curved row of stones of every family and
// several cuts, biggest in the middle, with twinkles scattered over both.
#include "TitlePainter.h"

#include "ArtStyle.h"
#include "GemCuts.h"
#include "JewelLighting.h"
#include "Lettering.h"
#include "SparkleStar.h"
#include "StoneRenderer.h"

namespace {

constexpr int kSubsamples = 3;
constexpr double kMargin = 14.0;
constexpr double kSlant = 0.16;

struct TitleStone {
    GemCut cut;
    GemFamily family;
    Point centre;
    double radius;
};

constexpr TitleStone kStones[] = {
    {GemCut::Trillion, GemFamily::Sapphire, {26.0, 118.0}, 10.0},
    {GemCut::Emerald, GemFamily::Emerald, {63.0, 127.0}, 13.0},
    {GemCut::Pear, GemFamily::Ruby, {103.0, 134.0}, 14.0},
    {GemCut::Round, GemFamily::Sapphire, {144.0, 138.0}, 19.0},
    {GemCut::Marquise, GemFamily::Emerald, {185.0, 134.0}, 14.0},
    {GemCut::Hexagon, GemFamily::Ruby, {225.0, 127.0}, 13.0},
    {GemCut::Round, GemFamily::Emerald, {262.0, 118.0}, 10.0},
};

constexpr Point kTwinkles[] = {{36.0, 22.0},  {250.0, 30.0}, {156.0, 122.0}, {92.0, 124.0},
                               {212.0, 96.0}, {18.0, 150.0}, {272.0, 152.0}};

LetterStyle GoldLetters() {
    return {6.5, 2.6, Ramp{Hex(0xfff6c0), Hex(0xffdc50), Hex(0xf8a824), Hex(0xd86a14)},
            Hex(0xfffff0), Hex(0x7a2c08)};
}

}  // namespace

Surface PaintTitle() {
    const std::string name = "Pebblor";
    const LetterStyle style = GoldLetters();
    const double units = WordWidth(name, style) + 64.0 * kSlant;
    const double scale = (kTitleWidth - 2.0 * kMargin) / units;

    Canvas letters(kTitleWidth, kTitleHeight, kSubsamples);
    PaintWord(letters, name, {{kMargin, 16.0 + 70.0 * scale}, scale, kSlant}, style);
    letters.OutlineUnder(2.2, Hex(0x3c0c2e));

    Canvas stones(kTitleWidth, kTitleHeight, kSubsamples);
    for (const TitleStone& stone : kStones) {
        const GemPalette& palette = PaletteOf(stone.family);
        PaintStone(stones, CutMesh(stone.cut, stone.radius),
                   {stone.centre, 0.0, 0.3, 0.2, palette.sparkle},
                   [&](Vec3 normal, Point) { return FacetColour(palette, normal, 0.0); });
    }
    stones.OutlineUnder(1.4, Hex(0x14101e));
    letters.Overlay(stones);
    for (const Point& twinkle : kTwinkles) {
        PaintSparkleStar(letters, twinkle, 6.0, Hex(0xfffbe8));
    }
    return letters.ToSprite(kBackdropAverage, kSpriteOpacityCut);
}
