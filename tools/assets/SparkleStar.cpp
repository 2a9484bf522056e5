// Sparkle stars: two thin tapering bars crossed on a pixel centre, with a bright core.
#include "SparkleStar.h"

#include <algorithm>
#include <cmath>

#include "StableMath.h"

void PaintSparkleStar(Canvas& canvas, Point centre, double armLength, Rgb colour) {
    // On a pixel centre the arms are whole pixels wide instead of two half-lit rows.
    const Point middle{std::floor(centre.x) + 0.5, std::floor(centre.y) + 0.5};
    const double reach = armLength + 1.0;
    const double halfWidth = 0.5 + 0.04 * armLength;
    canvas.Shade(
        middle.x - reach, middle.y - reach, middle.x + reach, middle.y + reach, [&](Point p) {
            const double dx = std::fabs(p.x - middle.x);
            const double dy = std::fabs(p.y - middle.y);
            // Each arm fades and narrows towards its tip.
            auto arm = [&](double along, double across) {
                const double left = 1.0 - along / armLength;
                return left > 0.0 && across < halfWidth * (1.0 - 0.5 * along / armLength) ? left
                                                                                          : 0.0;
            };
            const double core = 1.0 - (dx * dx + dy * dy) / 2.5;
            const double strength = Clamp01(std::max({arm(dx, dy), arm(dy, dx), core}));
            return Rgba{colour, strength > 0.0 ? 0.45 + 0.55 * strength : 0.0};
        });
}
