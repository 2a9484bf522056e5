// Girdle outlines and crowns of the six cuts.
#include "GemCuts.h"

#include "StableMath.h"

namespace {

constexpr double kCrown = 0.34;
constexpr double kPavilion = 0.9;

// Three corners, one pointing down, with the sides bowed out a little; the corners are the
// even points.
std::vector<Point> TrillionGirdle(double radius) {
    const std::vector<Point> corners = RegularRing(3, radius * 1.1, kPi / 2.0);
    std::vector<Point> girdle;
    for (size_t i = 0; i < 3; ++i) {
        const Point& a = corners[i];
        const Point& b = corners[(i + 1) % 3];
        const double lift = -radius * 0.28;
        girdle.push_back({a.x, a.y + lift});
        girdle.push_back({(a.x + b.x) * 0.5 * 1.3, (a.y + b.y) * 0.5 * 1.3 + lift});
    }
    return girdle;
}

// Pointed at top and bottom: the width grows with the square of the distance from a tip.
std::vector<Point> MarquiseGirdle(double radius) {
    std::vector<Point> girdle;
    for (int i = 0; i < 16; ++i) {
        const double t = kTwoPi * i / 16;
        const double s = Sine(t);
        girdle.push_back({radius * 0.68 * s * (s < 0 ? -s : s), -radius * Cosine(t)});
    }
    return girdle;
}

// A drop pointed at the top and round at the bottom.
std::vector<Point> PearGirdle(double radius) {
    std::vector<Point> girdle;
    for (int i = 0; i < 16; ++i) {
        const double t = kTwoPi * i / 16;
        girdle.push_back({radius * 1.12 * Sine(t) * Sine(t / 2.0), -radius * 0.98 * Cosine(t)});
    }
    return girdle;
}

std::vector<Point> EmeraldGirdle(double radius) {
    const double w = radius * 0.78;
    const double h = radius;
    const double c = radius * 0.3;
    return {{-w + c, -h}, {w - c, -h}, {w, -h + c}, {w, h - c},
            {w - c, h},   {-w + c, h}, {-w, h - c}, {-w, -h + c}};
}

}  // namespace

char CutLetter(GemCut cut) { return char('A' + int(cut)); }

GemMesh CutMesh(GemCut cut, double radius) {
    const double crown = radius * kCrown;
    const double pavilion = radius * kPavilion;
    switch (cut) {
        case GemCut::Round:
            return BrilliantMesh(RegularRing(16, radius, -kPi / 2.0), 0.56, crown, pavilion);
        case GemCut::Emerald:
            return StepCutMesh(EmeraldGirdle(radius), {1.0, 0.8, 0.58}, {0.0, crown * 0.6, crown},
                               pavilion);
        case GemCut::Trillion:
            return BrilliantMesh(TrillionGirdle(radius), 0.5, crown, pavilion);
        case GemCut::Marquise:
            return BrilliantMesh(MarquiseGirdle(radius), 0.55, crown, pavilion);
        case GemCut::Pear:
            return BrilliantMesh(PearGirdle(radius), 0.55, crown, pavilion);
        case GemCut::Hexagon:
            return StepCutMesh(RegularRing(6, radius * 1.05, -kPi / 2.0), {1.0, 0.78, 0.56},
                               {0.0, crown * 0.6, crown}, pavilion);
    }
    return {};
}
