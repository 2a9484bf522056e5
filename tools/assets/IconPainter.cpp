// Icon: a wooden Y-fork with its bands drawn back around a round ruby. Drawn in 32-pixel
// units and scaled, then limited to the icon palette or kept with its opacity.
#include "IconPainter.h"

#include <algorithm>
#include <cmath>

#include "ArtStyle.h"
#include "Canvas.h"
#include "GemCuts.h"
#include "JewelLighting.h"
#include "Palette.h"
#include "StoneRenderer.h"

namespace {

// Enough samples per pixel for the small icons' fine edges; fewer as pixels grow.
int SubsamplesFor(int size) { return size <= 32 ? 6 : std::max(2, 192 / size); }

void PaintWood(Canvas& canvas, Point from, Point to, double radius) {
    canvas.FillCapsule(from, to, radius, Hex(0x6a3c18));
    // Grain lit from the top left along the upper edge of every piece.
    const Point shift{-0.35 * radius, -0.3 * radius};
    canvas.FillCapsule({from.x + shift.x, from.y + shift.y}, {to.x + shift.x, to.y + shift.y},
                       radius * 0.45, Hex(0xc08a4c));
}

Canvas DrawIcon(int size) {
    const double unit = size / 32.0;
    auto at = [unit](double x, double y) { return Point{x * unit, y * unit}; };
    // Outlines keep their share of the picture as it grows, and stay visible as it shrinks.
    const double outline = unit < 1.0 ? 0.8 : unit;
    const int subsamples = SubsamplesFor(size);
    Canvas canvas(size, size, subsamples);
    PaintWood(canvas, at(16.0, 20.0), at(16.0, 29.5), 2.6 * unit);
    PaintWood(canvas, at(16.0, 20.5), at(5.0, 5.0), 2.2 * unit);
    PaintWood(canvas, at(16.0, 20.5), at(27.0, 5.0), 2.2 * unit);
    const Rgb band = Hex(0xf0c860);
    canvas.FillCapsule(at(5.0, 5.0), at(11.0, 12.5), 0.95 * unit, band);
    canvas.FillCapsule(at(27.0, 5.0), at(21.0, 12.5), 0.95 * unit, band);
    const GemPalette& ruby = PaletteOf(GemFamily::Ruby);
    Canvas gem(size, size, subsamples);
    PaintStone(gem, CutMesh(GemCut::Round, 5.8 * unit), {at(16.0, 12.0), 0.0, 0.25, 0.0, {}},
               [&](Vec3 normal, Point) { return FacetColour(ruby, normal, 0.1); });
    gem.OutlineUnder(outline, ruby.outline);
    canvas.OutlineUnder(outline, Hex(0x2a1408));
    canvas.Overlay(gem);
    return canvas;
}

}  // namespace

Surface PaintIcon(int size) {
    return LimitColours(DrawIcon(size).ToSprite(kBackdropAverage, 0.45), kIconColours);
}

std::vector<IconResource> PaintIcons() {
    return {{kLargeIconId, PaintIcon(32)}, {kSmallIconId, PaintIcon(16)}};
}

DesktopIcon PaintDesktopIcon(int size) {
    const Canvas canvas = DrawIcon(size);
    DesktopIcon icon{size, Surface(size, size), {}};
    icon.alpha.reserve(size_t(size) * size_t(size));
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Rgba pixel = canvas.PixelAt(x, y);
            icon.colour.Set(x, y, ToPixel(pixel.colour));
            icon.alpha.push_back(uint8_t(std::lround(std::clamp(pixel.alpha, 0.0, 1.0) * 255.0)));
        }
    }
    return icon;
}
