// Gem sprites: the cut's mesh lit by the family's palette, a band of extra light swept
// from the top left to the bottom right over the frames, and a twinkle riding on it.
#include "GemPainter.h"

#include "ArtStyle.h"
#include "SparkleStar.h"
#include "StableMath.h"
#include "StoneRenderer.h"

namespace {

constexpr double kRadius = 8.6;
constexpr double kTilt = 0.28;
constexpr int kSubsamples = 6;

// Where the sweeping band is in each frame, along the top-left to bottom-right diagonal.
constexpr double kBandCentre[kGemFrames] = {-6.0, 0.0, 6.0};
constexpr Point kStarOffset[kGemFrames] = {{-3.5, -4.0}, {1.0, -1.5}, {3.5, 3.5}};

}  // namespace

Surface PaintGem(GemCut cut, GemFamily family, int frame) {
    const GemPalette& palette = PaletteOf(family);
    const Point centre{kGemSize / 2.0, kGemSize / 2.0};
    const double band = kBandCentre[frame % kGemFrames];
    Canvas canvas(kGemSize, kGemSize, kSubsamples);
    PaintStone(canvas, CutMesh(cut, kRadius), {centre, 0.0, kTilt, 0.0, {}},
               [&](Vec3 normal, Point facetCentre) {
                   const double along =
                       ((facetCentre.x - centre.x) + (facetCentre.y - centre.y)) * 0.7071;
                   const double distance = (along - band) / 2.6;
                   return FacetColour(palette, normal, 0.4 * Exp(-distance * distance));
               });
    canvas.OutlineUnder(1.0, palette.outline);
    const Point star = kStarOffset[frame % kGemFrames];
    PaintSparkleStar(canvas, {centre.x + star.x, centre.y + star.y}, 3.0, palette.sparkle);
    return canvas.ToSprite(kBackdropAverage, kSpriteOpacityCut);
}
