// Background: a diagonal quilt of soft cushions lit from the top left, with a faint mottle.
// Everything repeats every 32 pixels or divides the tile, so the edges meet.
#include "BackgroundPainter.h"

#include <cmath>

#include "ArtStyle.h"
#include "Canvas.h"
#include "StableMath.h"
#include "TiledNoise.h"

namespace {

constexpr double kQuiltPeriod = 32.0;
constexpr int kSubsamples = 3;
constexpr Point kLight{0.3, 0.8};  // half the step across a cushion, pointing away from the light

// Distance to the nearest stitch line (the diagonals x + y and x - y on the quilt period).
double StitchDistance(Point p) {
    const double u = p.x + p.y;
    const double v = p.x - p.y;
    const double du = std::fabs(u - kQuiltPeriod * std::floor(u / kQuiltPeriod + 0.5));
    const double dv = std::fabs(v - kQuiltPeriod * std::floor(v / kQuiltPeriod + 0.5));
    return std::min(du, dv) * 0.70710678;
}

// Height of the cushion: low along the stitches, rounded up to a plateau.
double CushionHeight(Point p) { return SmoothStep(0.0, 7.0, StitchDistance(p)); }

}  // namespace

Surface PaintBackground() {
    const TiledNoise coarse(4, kBackgroundTile, 0x5eed0001u);
    const TiledNoise fine(16, kBackgroundTile, 0x5eed0002u);
    const Rgb base = kBackdropAverage;
    const Rgb lit = Hex(0x2e2846);
    const Rgb shade = Hex(0x0e0c18);
    Canvas canvas(kBackgroundTile, kBackgroundTile, kSubsamples);
    canvas.Shade(0, 0, kBackgroundTile, kBackgroundTile, [&](Point p) {
        // Slope towards the light brightens, away from it darkens. The light comes from
        // above and a little left, so both sets of stitches throw a shade.
        const double slope = CushionHeight({p.x - kLight.x, p.y - kLight.y}) -
                             CushionHeight({p.x + kLight.x, p.y + kLight.y});
        const double mottle = 0.6 * coarse.At(p.x, p.y) + 0.4 * fine.At(p.x, p.y);
        Rgb colour = Mix(base, slope > 0.0 ? lit : shade, Clamp01(std::fabs(slope) * 1.1));
        colour = colour * (1.0 + 0.12 * mottle);
        return Rgba{colour, 1.0};
    });
    return canvas.ToSprite(base, 0.0);
}
