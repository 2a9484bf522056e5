// Crown and pavilion construction of faceted stones.
#include "GemMesh.h"

#include <cmath>

#include "StableMath.h"

namespace {

Vec3 OnRing(Point p, double scale, double height) { return {p.x * scale, p.y * scale, height}; }

void AddPavilion(GemMesh& mesh, const std::vector<Point>& girdle, double depth) {
    const Vec3 culet{0.0, 0.0, -depth};
    for (size_t i = 0; i < girdle.size(); ++i) {
        const Point& a = girdle[i];
        const Point& b = girdle[(i + 1) % girdle.size()];
        mesh.facets.push_back(
            {{OnRing(b, 1.0, 0.0), OnRing(a, 1.0, 0.0), culet}, FacetRole::Pavilion});
    }
}

}  // namespace

Vec3 Normalised(Vec3 v) {
    const double length = std::sqrt(Dot(v, v));
    return length > 0.0 ? v * (1.0 / length) : v;
}

std::vector<Point> RegularRing(int corners, double radius, double firstAngle) {
    std::vector<Point> ring;
    for (int i = 0; i < corners; ++i) {
        const double angle = firstAngle + kTwoPi * i / corners;
        ring.push_back({radius * Cosine(angle), radius * Sine(angle)});
    }
    return ring;
}

GemMesh BrilliantMesh(const std::vector<Point>& girdle, double tableScale, double crownHeight,
                      double pavilionDepth) {
    GemMesh mesh;
    const size_t count = girdle.size();
    const size_t tableCount = count / 2;
    auto outer = [&](size_t i) { return OnRing(girdle[i % count], 1.0, 0.0); };
    auto table = [&](size_t j) { return OnRing(girdle[(2 * j) % count], tableScale, crownHeight); };
    Facet top{{}, FacetRole::Table};
    for (size_t j = 0; j < tableCount; ++j) {
        top.corners.push_back(table(j));
    }
    mesh.facets.push_back(top);
    for (size_t j = 0; j < tableCount; ++j) {
        mesh.facets.push_back({{table(j), table(j + 1), outer(2 * j + 1)}});
        mesh.facets.push_back({{table(j), outer(2 * j + 1), outer(2 * j)}});
        mesh.facets.push_back({{table(j + 1), outer(2 * j + 2), outer(2 * j + 1)}});
    }
    AddPavilion(mesh, girdle, pavilionDepth);
    return mesh;
}

GemMesh StepCutMesh(const std::vector<Point>& girdle, const std::vector<double>& ringScales,
                    const std::vector<double>& ringHeights, double pavilionDepth) {
    GemMesh mesh;
    const size_t count = girdle.size();
    for (size_t ring = 0; ring + 1 < ringScales.size(); ++ring) {
        for (size_t i = 0; i < count; ++i) {
            const size_t next = (i + 1) % count;
            mesh.facets.push_back(
                {{OnRing(girdle[i], ringScales[ring], ringHeights[ring]),
                  OnRing(girdle[next], ringScales[ring], ringHeights[ring]),
                  OnRing(girdle[next], ringScales[ring + 1], ringHeights[ring + 1]),
                  OnRing(girdle[i], ringScales[ring + 1], ringHeights[ring + 1])}});
        }
    }
    Facet top{{}, FacetRole::Table};
    for (const Point& p : girdle) {
        top.corners.push_back(OnRing(p, ringScales.back(), ringHeights.back()));
    }
    mesh.facets.push_back(top);
    AddPavilion(mesh, girdle, pavilionDepth);
    return mesh;
}
