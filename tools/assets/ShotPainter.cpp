// Shot sprites: lit balls and glows, outlined like the gems so they read on the background.
#include "ShotPainter.h"

#include <cmath>

#include "ArtStyle.h"
#include "BallShading.h"
#include "SparkleStar.h"
#include "StableMath.h"

namespace {

constexpr int kSubsamples = 6;

Point CentreOf(int size) { return {size / 2.0, size / 2.0}; }

Surface Finish(const Canvas& canvas) {
    return canvas.ToSprite(kBackdropAverage, kSpriteOpacityCut);
}

// A soft round glow whose colour runs along the ramp from the centre outwards.
void PaintGlow(Canvas& canvas, Point centre, double radius, const Ramp& ramp, double softness) {
    canvas.Shade(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
                 [&](Point p) {
                     const double dx = p.x - centre.x;
                     const double dy = p.y - centre.y;
                     const double r = std::sqrt(dx * dx + dy * dy) / radius;
                     if (r >= 1.0) {
                         return Rgba{};
                     }
                     return Rgba{ramp.At(r), Clamp01((1.0 - r) * softness)};
                 });
}

}  // namespace

Surface PaintNormalShot() {
    constexpr int kSize = 14;
    Canvas canvas(kSize, kSize, kSubsamples);
    PaintBall(canvas, CentreOf(kSize), 5.2,
              {Ramp{Hex(0x3a4256), Hex(0x8894ac), Hex(0xd2dae8), Hex(0xf4f8ff)}, 1.0});
    canvas.OutlineUnder(0.9, Hex(0x161a26));
    return Finish(canvas);
}

Surface PaintHeavyShot() {
    constexpr int kSize = 16;
    const Point centre = CentreOf(kSize);
    Canvas canvas(kSize, kSize, kSubsamples);
    PaintBall(canvas, centre, 6.2,
              {Ramp{Hex(0x1c1c24), Hex(0x3a3c48), Hex(0x686c7c), Hex(0x9aa0b0)}, 0.55});
    // A riveted band around the middle gives the weight away.
    canvas.FillPolygon({{centre.x - 5.9, centre.y - 1.2},
                        {centre.x + 5.9, centre.y - 1.2},
                        {centre.x + 5.9, centre.y + 1.2},
                        {centre.x - 5.9, centre.y + 1.2}},
                       Hex(0x2a2a32), 0.85);
    for (double dx : {-3.4, 0.0, 3.4}) {
        canvas.FillCircle({centre.x + dx, centre.y}, 0.75, Hex(0x8a8e9c));
    }
    canvas.OutlineUnder(0.9, Hex(0x101016));
    return Finish(canvas);
}

Surface PaintFreezeShot() {
    constexpr int kSize = 14;
    const Point centre = CentreOf(kSize);
    Canvas canvas(kSize, kSize, kSubsamples);
    PaintBall(canvas, centre, 5.2,
              {Ramp{Hex(0x1a4a7e), Hex(0x3a8cd0), Hex(0x8ad2ff), Hex(0xdcf6ff)}, 1.0});
    // A six-armed frost star across the ball.
    for (int arm = 0; arm < 3; ++arm) {
        const double angle = kPi * arm / 3.0 + kPi / 2.0;
        const Point tip{4.2 * Cosine(angle), 4.2 * Sine(angle)};
        canvas.FillCapsule({centre.x - tip.x, centre.y - tip.y},
                           {centre.x + tip.x, centre.y + tip.y}, 0.5, Hex(0xf4fcff), 0.95);
    }
    canvas.OutlineUnder(0.9, Hex(0x0c2a44));
    return Finish(canvas);
}

Surface PaintBlastShot() {
    constexpr int kSize = 16;
    const Point centre = CentreOf(kSize);
    Canvas canvas(kSize, kSize, kSubsamples);
    PaintGlow(canvas, centre, 7.8,
              Ramp{Hex(0xffffe0), Hex(0xfff060), Hex(0xffa020), Hex(0xe04010), Hex(0x802008)}, 1.9);
    PaintBall(canvas, centre, 3.4,
              {Ramp{Hex(0xffd040), Hex(0xfff0a0), Hex(0xffffe8), Hex(0xffffff)}, 0.6});
    return Finish(canvas);
}

Surface PaintBoomShot() {
    constexpr int kSize = 14;
    const Point centre = CentreOf(kSize);
    Canvas canvas(kSize, kSize, kSubsamples);
    // Eight flame tongues around the ball, alternately long and short.
    std::vector<Point> flames;
    for (int i = 0; i < 16; ++i) {
        const double angle = kTwoPi * i / 16.0 + 0.2;
        const double reach = i % 2 == 0 ? (i % 4 == 0 ? 5.9 : 5.1) : 3.7;
        flames.push_back({centre.x + reach * Cosine(angle), centre.y + reach * Sine(angle)});
    }
    canvas.FillPolygon(flames, Hex(0xe0400c));
    PaintGlow(canvas, centre, 5.2, Ramp{Hex(0xffe070), Hex(0xff9a20), Hex(0xf05010)}, 3.0);
    PaintBall(canvas, centre, 3.0,
              {Ramp{Hex(0xff7a10), Hex(0xffc040), Hex(0xfff4b0)}, 0.8, Hex(0xffffe0)});
    canvas.OutlineUnder(0.8, Hex(0x4a0c04));
    return Finish(canvas);
}

Surface PaintBreakUpShot() {
    constexpr int kSize = 14;
    const Point centre = CentreOf(kSize);
    Canvas canvas(kSize, kSize, kSubsamples);
    PaintBall(canvas, centre, 5.2,
              {Ramp{Hex(0x5a2a0c), Hex(0xa0581c), Hex(0xe09a40), Hex(0xffe0a0)}, 0.9});
    // Cracks that will split it: a zigzag across and a branch down.
    const Rgb crack = Hex(0x2c1004);
    const Point zigzag[] = {{-4.9, -1.0}, {-2.2, 0.6}, {0.4, -1.4}, {2.6, 0.8}, {4.9, -0.4}};
    for (size_t i = 0; i + 1 < std::size(zigzag); ++i) {
        canvas.FillCapsule({centre.x + zigzag[i].x, centre.y + zigzag[i].y},
                           {centre.x + zigzag[i + 1].x, centre.y + zigzag[i + 1].y}, 0.45, crack);
    }
    canvas.FillCapsule({centre.x + 0.4, centre.y - 1.4}, {centre.x - 0.8, centre.y + 4.7}, 0.4,
                       crack);
    canvas.OutlineUnder(0.9, Hex(0x241006));
    return Finish(canvas);
}

Surface PaintFragmentShot() {
    constexpr int kSize = 8;
    Canvas canvas(kSize, kSize, kSubsamples);
    canvas.FillPolygon({{1.6, 2.4}, {6.2, 1.4}, {6.6, 5.0}, {3.0, 6.6}}, Hex(0xb8692a));
    canvas.FillPolygon({{1.6, 2.4}, {6.2, 1.4}, {4.2, 3.6}}, Hex(0xf2b870));
    canvas.FillPolygon({{4.2, 3.6}, {6.6, 5.0}, {3.0, 6.6}}, Hex(0x7a3a12));
    canvas.OutlineUnder(0.7, Hex(0x2a1206));
    return Finish(canvas);
}

Surface PaintPelletShot() {
    constexpr int kSize = 8;
    Canvas canvas(kSize, kSize, kSubsamples);
    PaintBall(canvas, CentreOf(kSize), 2.4,
              {Ramp{Hex(0x8a5a08), Hex(0xe0b020), Hex(0xfff080), Hex(0xffffe0)}, 1.0});
    canvas.OutlineUnder(0.8, Hex(0x3a2404));
    return Finish(canvas);
}
