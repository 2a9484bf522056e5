// Smoke: overlapping round billows, each lit from the top left, mottled by noise, with a
// ragged edge where the density falls away.
#include "SmokePainter.h"

#include <cmath>

#include "ArtStyle.h"
#include "Canvas.h"
#include "GemMesh.h"
#include "StableMath.h"
#include "TiledNoise.h"

namespace {

constexpr int kSize = 30;
constexpr int kSubsamples = 4;

struct Billow {
    Point centre;
    double radius;
};

constexpr Billow kBillows[] = {
    {{15.0, 16.5}, 9.0}, {{10.0, 12.5}, 6.5}, {{19.5, 11.0}, 6.8}, {{8.0, 19.0}, 6.0},
    {{21.5, 19.0}, 6.2}, {{14.5, 8.5}, 5.5},  {{15.0, 22.0}, 5.8},
};

}  // namespace

Surface PaintSmoke() {
    const TiledNoise grain(8, kSize, 0x5300e001u);
    const Ramp greys{Hex(0x4a4a56), Hex(0x7e7e8a), Hex(0xb4b4bc), Hex(0xe2e2e6)};
    const Vec3 light = Normalised({-0.5, -0.7, 0.5});
    Canvas canvas(kSize, kSize, kSubsamples);
    canvas.Shade(0, 0, kSize, kSize, [&](Point p) {
        // The billow standing out most at this point decides the surface and its light.
        double bestHeight = -1.0;
        Vec3 normal;
        for (const Billow& billow : kBillows) {
            const double nx = (p.x - billow.centre.x) / billow.radius;
            const double ny = (p.y - billow.centre.y) / billow.radius;
            const double rr = nx * nx + ny * ny;
            if (rr < 1.0) {
                const double height = std::sqrt(1.0 - rr) * billow.radius;
                if (height > bestHeight) {
                    bestHeight = height;
                    normal = {nx, ny, std::sqrt(1.0 - rr)};
                }
            }
        }
        const double wisp = grain.At(p.x, p.y);
        if (bestHeight + 1.2 * wisp < 0.6) {
            return Rgba{};
        }
        const double tone = 0.15 + 0.75 * Clamp01(Dot(normal, light)) + 0.12 * wisp;
        const double edge = Clamp01((bestHeight + 1.2 * wisp - 0.6) / 2.2);
        return Rgba{greys.At(tone), 0.35 + 0.65 * edge};
    });
    return canvas.ToSprite(kBackdropAverage, kSpriteOpacityCut);
}
