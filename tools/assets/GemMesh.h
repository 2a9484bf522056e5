// Faceted stones as flat-faced 3D meshes: a girdle outline with a crown of facets above it
// and a pavilion below, in pixel units around the stone's centre (x right, y down, z out
// of the picture towards the viewer).
#pragma once

#include <vector>

#include "Canvas.h"

struct Vec3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Vec3 operator*(Vec3 a, double k) { return {a.x * k, a.y * k, a.z * k}; }
constexpr double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 Normalised(Vec3 v);

enum class FacetRole { Crown, Table, Pavilion };

struct Facet {
    std::vector<Vec3> corners;
    FacetRole role = FacetRole::Crown;
};

struct GemMesh {
    std::vector<Facet> facets;
};

// corners points evenly around a circle, the first at firstAngle (radians, y down).
std::vector<Point> RegularRing(int corners, double radius, double firstAngle);

// Brilliant crown: the girdle has an even number of corners; the table joins every second
// one, scaled towards the centre, with star and girdle facets between.
GemMesh BrilliantMesh(const std::vector<Point>& girdle, double tableScale, double crownHeight,
                      double pavilionDepth);
// Step crown: rings of the girdle scaled by ringScales[i] at heights ringHeights[i] (both
// starting with the girdle itself), the innermost ring being the table.
GemMesh StepCutMesh(const std::vector<Point>& girdle, const std::vector<double>& ringScales,
                    const std::vector<double>& ringHeights, double pavilionDepth);
