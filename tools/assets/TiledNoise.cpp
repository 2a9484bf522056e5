// Value noise on a wrapping lattice with smoothstep interpolation.
#include "TiledNoise.h"

#include <cmath>

#include "Lcg.h"
#include "StableMath.h"

TiledNoise::TiledNoise(int cells, double tileSize, uint32_t seed)
    : cells_(cells), cellSize_(tileSize / cells), values_(size_t(cells) * size_t(cells)) {
    Lcg random(seed);
    for (double& value : values_) {
        value = random.Signed();
    }
}

double TiledNoise::Lattice(int cx, int cy) const {
    const int x = ((cx % cells_) + cells_) % cells_;
    const int y = ((cy % cells_) + cells_) % cells_;
    return values_[size_t(y) * size_t(cells_) + size_t(x)];
}

double TiledNoise::At(double x, double y) const {
    const double gx = x / cellSize_;
    const double gy = y / cellSize_;
    const double fx = std::floor(gx);
    const double fy = std::floor(gy);
    const int cx = int(fx);
    const int cy = int(fy);
    const double tx = SmoothStep(0.0, 1.0, gx - fx);
    const double ty = SmoothStep(0.0, 1.0, gy - fy);
    const double top = Lerp(Lattice(cx, cy), Lattice(cx + 1, cy), tx);
    const double bottom = Lerp(Lattice(cx, cy + 1), Lattice(cx + 1, cy + 1), tx);
    return Lerp(top, bottom, ty);
}
