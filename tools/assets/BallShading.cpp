// Sphere shading per sample: diffuse from the top-left light, a specular spot, and a
// little light bounced back onto the lower right rim.
#include "BallShading.h"

#include <cmath>

#include "GemMesh.h"
#include "StableMath.h"

namespace {

const Vec3 kLight = Normalised({-0.5, -0.65, 0.58});
const Vec3 kHalfway = Normalised(kLight + Vec3{0.0, 0.0, 1.0});

}  // namespace

void PaintBall(Canvas& canvas, Point centre, double radius, const BallLook& look) {
    canvas.Shade(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
                 [&](Point p) {
                     const double nx = (p.x - centre.x) / radius;
                     const double ny = (p.y - centre.y) / radius;
                     const double rr = nx * nx + ny * ny;
                     if (rr >= 1.0) {
                         return Rgba{};
                     }
                     const Vec3 normal{nx, ny, std::sqrt(1.0 - rr)};
                     const double diffuse = Clamp01(Dot(normal, kLight));
                     const double rim = 0.25 * Clamp01(Dot(normal, Vec3{0.6, 0.6, 0.0}));
                     const double spot = PowInt(Clamp01(Dot(normal, kHalfway)), 40);
                     const Rgb base = look.body.At(0.1 + 0.8 * diffuse + rim);
                     return Rgba{Mix(base, look.shineColour, Clamp01(spot * look.shine)), 1.0};
                 });
}
