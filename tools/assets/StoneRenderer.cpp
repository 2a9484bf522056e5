// Orthographic flat-shaded rendering of stone meshes, far facets first, with the pavilion
// showing through the table as a fan of reflections.
#include "StoneRenderer.h"

#include <algorithm>

#include "StableMath.h"

namespace {

// How strongly the pavilion's reflections show through the table.
constexpr double kThroughTable = 0.55;

struct ViewFacet {
    std::vector<Point> outline;
    Vec3 normal;
    double depth = 0.0;
    FacetRole role = FacetRole::Crown;
};

Vec3 ToView(Vec3 p, const StoneView& view) {
    const double cs = Cosine(view.spin);
    const double ss = Sine(view.spin);
    const Vec3 turned{p.x * cs - p.y * ss, p.x * ss + p.y * cs, p.z};
    const double ct = Cosine(view.tilt);
    const double st = Sine(view.tilt);
    return {turned.x, turned.y * ct - turned.z * st, turned.z * ct + turned.y * st};
}

// Newell's normal, turned to point away from the stone's centre.
Vec3 OutwardNormal(const std::vector<Vec3>& corners) {
    Vec3 normal;
    Vec3 centroid;
    for (size_t i = 0; i < corners.size(); ++i) {
        const Vec3& a = corners[i];
        const Vec3& b = corners[(i + 1) % corners.size()];
        normal.x += (a.y - b.y) * (a.z + b.z);
        normal.y += (a.z - b.z) * (a.x + b.x);
        normal.z += (a.x - b.x) * (a.y + b.y);
        centroid = centroid + a;
    }
    normal = Normalised(normal);
    return Dot(normal, centroid) < 0.0 ? normal * -1.0 : normal;
}

ViewFacet Project(const Facet& facet, const StoneView& view) {
    std::vector<Vec3> corners;
    for (const Vec3& corner : facet.corners) {
        corners.push_back(ToView(corner, view));
    }
    ViewFacet projected{{}, OutwardNormal(corners), 0.0, facet.role};
    for (const Vec3& c : corners) {
        projected.outline.push_back({view.centre.x + c.x, view.centre.y + c.y});
        projected.depth += c.z / double(corners.size());
    }
    return projected;
}

Point Centre(const std::vector<Point>& outline) {
    Point centre;
    for (const Point& p : outline) {
        centre.x += p.x / double(outline.size());
        centre.y += p.y / double(outline.size());
    }
    return centre;
}

double Cross2(Point o, Point a, Point b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The part of polygon inside the convex polygon window (Sutherland-Hodgman).
std::vector<Point> ClipToConvex(std::vector<Point> polygon, const std::vector<Point>& window) {
    double area = 0.0;
    for (size_t i = 0; i < window.size(); ++i) {
        area += Cross2(window[0], window[i], window[(i + 1) % window.size()]);
    }
    const double side = area < 0.0 ? -1.0 : 1.0;
    for (size_t i = 0; i < window.size() && !polygon.empty(); ++i) {
        const Point& a = window[i];
        const Point& b = window[(i + 1) % window.size()];
        std::vector<Point> kept;
        for (size_t j = 0; j < polygon.size(); ++j) {
            const Point& p = polygon[j];
            const Point& q = polygon[(j + 1) % polygon.size()];
            const double dp = side * Cross2(a, b, p);
            const double dq = side * Cross2(a, b, q);
            if (dp >= 0.0) {
                kept.push_back(p);
            }
            if ((dp >= 0.0) != (dq >= 0.0)) {
                const double t = dp / (dp - dq);
                kept.push_back({p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t});
            }
        }
        polygon = kept;
    }
    return polygon;
}

}  // namespace

void PaintStone(Canvas& canvas, const GemMesh& mesh, const StoneView& view,
                const FacetShader& shade) {
    std::vector<ViewFacet> all;
    for (const Facet& facet : mesh.facets) {
        all.push_back(Project(facet, view));
    }
    std::vector<const ViewFacet*> visible;
    for (const ViewFacet& facet : all) {
        if (facet.normal.z > 1e-6) {
            visible.push_back(&facet);
        }
    }
    std::stable_sort(visible.begin(), visible.end(),
                     [](const ViewFacet* a, const ViewFacet* b) { return a->depth < b->depth; });
    for (const ViewFacet* facet : visible) {
        canvas.FillPolygon(facet->outline, shade(facet->normal, Centre(facet->outline)));
        if (view.edgeOpacity > 0.0) {
            for (size_t i = 0; i < facet->outline.size(); ++i) {
                canvas.FillCapsule(facet->outline[i],
                                   facet->outline[(i + 1) % facet->outline.size()], 0.3,
                                   view.edgeColour, view.edgeOpacity);
            }
        }
        if (facet->role != FacetRole::Table) {
            continue;
        }
        // Seen through the table, each pavilion facet mirrors the light back up.
        for (const ViewFacet& below : all) {
            if (below.role != FacetRole::Pavilion) {
                continue;
            }
            const std::vector<Point> seen = ClipToConvex(below.outline, facet->outline);
            if (seen.size() >= 3) {
                const Vec3 mirrored{below.normal.x, below.normal.y, -below.normal.z};
                canvas.FillPolygon(seen, shade(mirrored, Centre(seen)), kThroughTable);
            }
        }
    }
}
