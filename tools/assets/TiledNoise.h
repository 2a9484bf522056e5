// Smooth value noise that wraps around a square tile, for seamless textures.
#pragma once

#include <cstdint>
#include <vector>

class TiledNoise {
public:
    // cells x cells random values spread over a tile of tileSize pixels.
    TiledNoise(int cells, double tileSize, uint32_t seed);
    // In [-1, 1]; the same at x and x + tileSize, y and y + tileSize.
    double At(double x, double y) const;

private:
    double Lattice(int cx, int cy) const;

    int cells_;
    double cellSize_;
    std::vector<double> values_;
};
