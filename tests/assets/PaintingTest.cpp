// The painting machinery: stone meshes whose facets tile the girdle, lettering that stays in
// its box, and noise that wraps around its tile.
#include <gtest/gtest.h>

#include <cmath>

#include "Canvas.h"
#include "GemCuts.h"
#include "Lettering.h"
#include "StableMath.h"
#include "StoneRenderer.h"
#include "TiledNoise.h"

namespace {

double CoveredArea(const Canvas& canvas) {
    double area = 0.0;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) area += canvas.PixelAt(x, y).alpha;
    }
    return area;
}

// Area of a polygon's outline projected onto the picture plane.
double ProjectedArea(const std::vector<Vec3>& corners) {
    double twice = 0.0;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Vec3& a = corners[i];
        const Vec3& b = corners[(i + 1) % corners.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return 0.5 * std::fabs(twice);
}

// Area inside the girdle: the pavilion's triangles fan out from the culet below the centre
// to every girdle edge.
double GirdleArea(const GemMesh& mesh) {
    double area = 0.0;
    for (const Facet& facet : mesh.facets) {
        if (facet.role == FacetRole::Pavilion) area += ProjectedArea(facet.corners);
    }
    return area;
}

}  // namespace

TEST(StoneRenderer, CrownFacetsTileTheGirdleWithoutGapsOrOverlaps) {
    for (GemCut cut : kAllCuts) {
        SCOPED_TRACE(CutLetter(cut));
        const GemMesh mesh = CutMesh(cut, 20.0);
        const double girdle = GirdleArea(mesh);
        // No overlaps: seen from straight above, the crown's facets add up to the girdle.
        double crown = 0.0;
        for (const Facet& facet : mesh.facets) {
            if (facet.role != FacetRole::Pavilion) crown += ProjectedArea(facet.corners);
        }
        EXPECT_NEAR(crown, girdle, girdle * 1e-9);
        // No gaps: painted, they cover the girdle's whole area, every one facing the viewer.
        Canvas canvas(60, 60, 4);
        int painted = 0;
        PaintStone(canvas, mesh, {{30.0, 30.0}, 0.0, 0.0, 0.0, {}}, [&](Vec3 normal, Point) {
            EXPECT_GT(normal.z, 0.0);
            ++painted;
            return Rgb{1.0, 1.0, 1.0};
        });
        EXPECT_GT(painted, 6);
        EXPECT_NEAR(CoveredArea(canvas), girdle, girdle * 0.01);
    }
}

TEST(StoneRenderer, TippingTheStoneForeshortensIt) {
    const GemMesh mesh = CutMesh(GemCut::Round, 20.0);
    auto coverage = [&](double tilt) {
        Canvas canvas(60, 60, 4);
        PaintStone(canvas, mesh, {{30.0, 30.0}, 0.0, tilt, 0.0, {}}, [](Vec3, Point) {
            return Rgb{1.0, 1.0, 1.0};
        });
        return CoveredArea(canvas);
    };
    EXPECT_NEAR(coverage(0.4), coverage(0.0) * std::cos(0.4), coverage(0.0) * 0.015);
}

TEST(StoneRenderer, TurningByTheStonesSymmetryGivesTheSamePicture) {
    // A round brilliant maps onto itself every eighth of a turn, so an animation that turns
    // it by that much over its frames loops without a jump.
    const GemMesh mesh = CutMesh(GemCut::Round, 20.0);
    auto paint = [&](double spin) {
        Canvas canvas(60, 60, 4);
        PaintStone(canvas, mesh, {{30.0, 30.0}, spin, 0.4, 0.0, {}}, [](Vec3 normal, Point) {
            return Rgb{0.5 + 0.5 * normal.x, 0.5 + 0.5 * normal.y, normal.z};
        });
        return canvas;
    };
    const Canvas start = paint(0.0);
    const Canvas turned = paint(kTwoPi / 8.0);
    const Canvas halfway = paint(kTwoPi / 16.0);
    double largest = 0.0;
    double halfwayLargest = 0.0;
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const Rgba a = start.PixelAt(x, y);
            const Rgba b = turned.PixelAt(x, y);
            const Rgba c = halfway.PixelAt(x, y);
            largest = std::max({largest, std::fabs(a.alpha - b.alpha),
                                std::fabs(a.colour.r - b.colour.r) * a.alpha,
                                std::fabs(a.colour.g - b.colour.g) * a.alpha});
            halfwayLargest = std::max(halfwayLargest, std::fabs(a.colour.r - c.colour.r) * a.alpha);
        }
    }
    EXPECT_LT(largest, 0.02);
    EXPECT_GT(halfwayLargest, 0.1) << "the stone did not turn at all";
}

TEST(Lettering, TheWordStaysInsideItsMeasuredWidth) {
    const LetterStyle style{6.5, 2.4, Ramp{Hex(0xffffff), Hex(0x808080)}, Hex(0xffffff),
                            Hex(0x404040)};
    const double units = WordWidth("Pebblor", style);
    const double scale = 0.5;
    Canvas canvas(240, 60, 2);
    PaintWord(canvas, "Pebblor", {{10.0, 45.0}, scale, 0.0}, style);
    int leftmost = canvas.Width();
    int rightmost = -1;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            if (canvas.PixelAt(x, y).alpha > 0.0) {
                leftmost = std::min(leftmost, x);
                rightmost = std::max(rightmost, x);
            }
        }
    }
    EXPECT_GE(leftmost, 10);
    EXPECT_LE(leftmost, 11);
    EXPECT_LE(rightmost, int(10.0 + units * scale));
    EXPECT_GE(rightmost, int(10.0 + units * scale) - 2);
}

TEST(TiledNoise, WrapsAroundItsTile) {
    const TiledNoise noise(8, 64.0, 1234u);
    double spread = 0.0;
    for (double y = 0.25; y < 64.0; y += 3.7) {
        for (double x = 0.5; x < 64.0; x += 2.9) {
            const double here = noise.At(x, y);
            EXPECT_NEAR(here, noise.At(x + 64.0, y), 1e-12);
            EXPECT_NEAR(here, noise.At(x, y - 64.0), 1e-12);
            EXPECT_GE(here, -1.0);
            EXPECT_LE(here, 1.0);
            spread = std::max(spread, std::fabs(here));
        }
    }
    EXPECT_GT(spread, 0.3);
}
