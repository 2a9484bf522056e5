// Big gem sprites: each family has its own large cut, tipped towards the viewer and turned
// by a sixth of its symmetry per frame, so the sixth frame leads back into the first.
#include "BigGemPainter.h"

#include "ArtStyle.h"
#include "SparkleStar.h"
#include "StableMath.h"
#include "StoneRenderer.h"

namespace {

constexpr double kRadius = 26.5;
constexpr double kTilt = 0.42;
constexpr int kSubsamples = 4;

struct BigCut {
    GemMesh mesh;
    double symmetry;  // the turn that maps the stone onto itself
};

BigCut CutOf(GemFamily family) {
    const double crown = kRadius * 0.34;
    const double pavilion = kRadius * 0.9;
    switch (family) {
        case GemFamily::Emerald:
            return {StepCutMesh(RegularRing(8, kRadius, kPi / 8.0), {1.0, 0.84, 0.68, 0.52},
                                {0.0, crown * 0.45, crown * 0.8, crown}, pavilion),
                    kTwoPi / 8.0};
        case GemFamily::Sapphire:
            return {BrilliantMesh(RegularRing(12, kRadius, -kPi / 2.0), 0.55, crown, pavilion),
                    kTwoPi / 6.0};
        case GemFamily::Ruby:
            break;
    }
    return {BrilliantMesh(RegularRing(16, kRadius, -kPi / 2.0), 0.55, crown, pavilion),
            kTwoPi / 8.0};
}

}  // namespace

Surface PaintBigGem(GemFamily family, int frame) {
    const GemPalette& palette = PaletteOf(family);
    const BigCut cut = CutOf(family);
    const Point centre{kBigGemSize / 2.0, kBigGemSize / 2.0 + 1.0};
    const int step = frame % kBigGemFrames;
    Canvas canvas(kBigGemSize, kBigGemSize, kSubsamples);
    PaintStone(canvas, cut.mesh,
               {centre, cut.symmetry * step / kBigGemFrames, kTilt, 0.22, palette.sparkle},
               [&](Vec3 normal, Point) { return FacetColour(palette, normal, 0.0); });
    canvas.OutlineUnder(1.4, palette.outline);
    // The glint circles the crown once per turn of the animation.
    const double angle = -kPi * 0.75 + kTwoPi * step / kBigGemFrames;
    PaintSparkleStar(canvas, {centre.x + 13.0 * Cosine(angle), centre.y - 4.0 + 9.0 * Sine(angle)},
                     5.0, palette.sparkle);
    return canvas.ToSprite(kBackdropAverage, kSpriteOpacityCut);
}
