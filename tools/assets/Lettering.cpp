// Letter skeletons in units: baseline at y = 0, ascenders at -64, x-height at -38.
// Painting measures each sample's distance to the nearest stroke: the flat face lies within
// halfWidth - bevel, the chamfer beyond, shaded by which way it slopes.
#include "Lettering.h"

#include <cmath>

#include "StableMath.h"

namespace {

constexpr double kAscender = 64.0;
constexpr double kLetterGap = 1.0;

using Stroke = std::vector<Point>;

struct Glyph {
    std::vector<Stroke> strokes;
    double width = 0.0;  // skeleton extent to the right of x = 0
};

Stroke Arc(Point centre, double radius, double fromDegrees, double toDegrees) {
    Stroke arc;
    const int steps = 32;
    for (int i = 0; i <= steps; ++i) {
        const double angle = (fromDegrees + (toDegrees - fromDegrees) * i / steps) * kPi / 180.0;
        arc.push_back({centre.x + radius * Cosine(angle), centre.y + radius * Sine(angle)});
    }
    return arc;
}

Stroke Join(Stroke first, const Stroke& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Glyph GlyphFor(char letter) {
    const Stroke stem{{0.0, 0.0}, {0.0, -kAscender}};
    const Point bowlCentre{19.0, -19.0};
    switch (letter) {
        case 'P':
            return {{stem, Join(Join({{0.0, -kAscender}}, Arc({12.0, -47.0}, 17.0, -90.0, 90.0)),
                                {{0.0, -30.0}})},
                    29.0};
        case 'e':
            return {{{{0.0, -19.0}, {38.0, -19.0}}, Arc(bowlCentre, 19.0, 0.0, -318.0)}, 38.0};
        case 'b':
            return {{stem, Arc(bowlCentre, 19.0, 0.0, 360.0)}, 38.0};
        case 'l':
            return {{stem}, 0.0};
        case 'o':
            return {{Arc(bowlCentre, 19.0, 0.0, 360.0)}, 38.0};
        case 'r':
            return {{{{0.0, 0.0}, {0.0, -38.0}}, Arc({17.0, -21.0}, 17.0, 180.0, 318.0)}, 30.0};
        default:
            return {{}, 20.0};
    }
}

struct Nearest {
    double distance = 1e9;
    Point direction;  // unit vector from the stroke towards the sample
};

Nearest NearestStroke(const std::vector<Stroke>& strokes, Point p) {
    Nearest best;
    for (const Stroke& stroke : strokes) {
        for (size_t i = 0; i + 1 < stroke.size(); ++i) {
            const Point& a = stroke[i];
            const Point& b = stroke[i + 1];
            const double dx = b.x - a.x;
            const double dy = b.y - a.y;
            const double lengthSquared = dx * dx + dy * dy;
            const double t = lengthSquared > 0.0
                                 ? Clamp01(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared)
                                 : 0.0;
            const double ex = p.x - (a.x + t * dx);
            const double ey = p.y - (a.y + t * dy);
            const double distance = std::sqrt(ex * ex + ey * ey);
            if (distance < best.distance) {
                best.distance = distance;
                best.direction = distance > 0.0 ? Point{ex / distance, ey / distance} : Point{};
            }
        }
    }
    return best;
}

}  // namespace

double WordWidth(const std::string& word, const LetterStyle& style) {
    double width = 0.0;
    for (char letter : word) {
        width += GlyphFor(letter).width + 2.0 * style.halfWidth + kLetterGap;
    }
    return width - kLetterGap;
}

void PaintWord(Canvas& canvas, const std::string& word, const WordLayout& layout,
               const LetterStyle& style) {
    // Light falls from the top left onto the chamfers.
    const Point light{-0.6, -0.8};
    double penX = style.halfWidth;
    for (char letter : word) {
        const Glyph glyph = GlyphFor(letter);
        const double left = penX - style.halfWidth;
        const double right = penX + glyph.width + style.halfWidth;
        const double top = -kAscender - style.halfWidth;
        const double bottom = style.halfWidth;
        // Canvas box of the letter, slant included.
        const double boxLeft = layout.baselineStart.x + left * layout.scale;
        const double boxRight =
            layout.baselineStart.x + (right - top * layout.slant) * layout.scale;
        canvas.Shade(
            boxLeft, layout.baselineStart.y + top * layout.scale, boxRight,
            layout.baselineStart.y + bottom * layout.scale, [&](Point p) {
                // Back from canvas to letter units, undoing the slant.
                const double uy = (p.y - layout.baselineStart.y) / layout.scale;
                const double ux =
                    (p.x - layout.baselineStart.x) / layout.scale + uy * layout.slant - penX;
                const Nearest nearest = NearestStroke(glyph.strokes, {ux, uy});
                if (nearest.distance >= style.halfWidth) {
                    return Rgba{};
                }
                const Rgb face = style.face.At((uy + kAscender) / kAscender);
                const double intoBevel = nearest.distance - (style.halfWidth - style.bevel);
                if (intoBevel <= 0.0) {
                    return Rgba{face, 1.0};
                }
                const double facing = nearest.direction.x * light.x + nearest.direction.y * light.y;
                const Rgb bevel = facing > 0.0 ? Mix(face, style.litBevel, facing)
                                               : Mix(face, style.shadedBevel, -facing);
                return Rgba{Mix(face, bevel, Clamp01(intoBevel / style.bevel * 1.5)), 1.0};
            });
        penX += glyph.width + 2.0 * style.halfWidth + kLetterGap;
    }
}
