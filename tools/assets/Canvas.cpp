// Supersampled shape filling and sprite resolution.
#include "Canvas.h"

#include <algorithm>
#include <cmath>

#include "StableMath.h"

namespace {

bool InsidePolygon(const std::vector<Point>& corners, Point p) {
    bool inside = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
        const Point& a = corners[i];
        const Point& b = corners[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double SquaredDistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = lengthSquared > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0.0;
    t = Clamp01(t);
    const double ex = p.x - (a.x + t * dx);
    const double ey = p.y - (a.y + t * dy);
    return ex * ex + ey * ey;
}

}  // namespace

Canvas::Canvas(int width, int height, int subsamples)
    : width_(width),
      height_(height),
      subsamples_(subsamples),
      sampleWidth_(width * subsamples),
      sampleHeight_(height * subsamples),
      samples_(size_t(sampleWidth_) * size_t(sampleHeight_)) {}

void Canvas::Blend(Sample& sample, Rgb colour, double opacity) {
    const double a = Clamp01(opacity);
    sample.premultiplied = colour * a + sample.premultiplied * (1.0 - a);
    sample.alpha = a + sample.alpha * (1.0 - a);
}

template <typename Visit>
void Canvas::ForSamplesIn(double left, double top, double right, double bottom, Visit visit) {
    const double s = double(subsamples_);
    const int x0 = std::max(0, int(std::floor(left * s)));
    const int y0 = std::max(0, int(std::floor(top * s)));
    const int x1 = std::min(sampleWidth_, int(std::ceil(right * s)) + 1);
    const int y1 = std::min(sampleHeight_, int(std::ceil(bottom * s)) + 1);
    for (int sy = y0; sy < y1; ++sy) {
        for (int sx = x0; sx < x1; ++sx) {
            const Point p{(sx + 0.5) / s, (sy + 0.5) / s};
            visit(samples_[size_t(sy) * size_t(sampleWidth_) + size_t(sx)], p);
        }
    }
}

void Canvas::FillPolygon(const std::vector<Point>& corners, Rgb colour, double opacity) {
    if (corners.size() < 3) {
        return;
    }
    double left = corners[0].x, right = left, top = corners[0].y, bottom = top;
    for (const Point& c : corners) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    ForSamplesIn(left, top, right, bottom, [&](Sample& sample, Point p) {
        if (InsidePolygon(corners, p)) {
            Blend(sample, colour, opacity);
        }
    });
}

void Canvas::FillCircle(Point centre, double radius, Rgb colour, double opacity) {
    ForSamplesIn(centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius,
                 [&](Sample& sample, Point p) {
                     const double dx = p.x - centre.x;
                     const double dy = p.y - centre.y;
                     if (dx * dx + dy * dy < radius * radius) {
                         Blend(sample, colour, opacity);
                     }
                 });
}

void Canvas::FillCapsule(Point from, Point to, double radius, Rgb colour, double opacity) {
    ForSamplesIn(std::min(from.x, to.x) - radius, std::min(from.y, to.y) - radius,
                 std::max(from.x, to.x) + radius, std::max(from.y, to.y) + radius,
                 [&](Sample& sample, Point p) {
                     if (SquaredDistanceToSegment(p, from, to) < radius * radius) {
                         Blend(sample, colour, opacity);
                     }
                 });
}

void Canvas::Shade(double left, double top, double right, double bottom,
                   const std::function<Rgba(Point)>& shader) {
    ForSamplesIn(left, top, right, bottom, [&](Sample& sample, Point p) {
        const Rgba paint = shader(p);
        if (paint.alpha > 0.0) {
            Blend(sample, paint.colour, paint.alpha);
        }
    });
}

void Canvas::OutlineUnder(double width, Rgb colour) {
    const int reach = int(std::floor(width * subsamples_ + 0.5));
    // Per sample, the distance along its row to the nearest solid sample (capped past the
    // reach); a sample is within the disc around some solid sample when, for some row dy
    // away, dy * dy + that row's distance squared stays within reach * reach.
    const int far = reach + 1;
    std::vector<int> rowDistance(samples_.size(), far);
    for (int sy = 0; sy < sampleHeight_; ++sy) {
        const size_t row = size_t(sy) * size_t(sampleWidth_);
        int distance = far;
        for (int sx = 0; sx < sampleWidth_; ++sx) {
            distance = samples_[row + size_t(sx)].alpha > 0.5 ? 0 : std::min(far, distance + 1);
            rowDistance[row + size_t(sx)] = distance;
        }
        distance = far;
        for (int sx = sampleWidth_ - 1; sx >= 0; --sx) {
            distance = rowDistance[row + size_t(sx)] == 0 ? 0 : std::min(far, distance + 1);
            rowDistance[row + size_t(sx)] = std::min(rowDistance[row + size_t(sx)], distance);
        }
    }
    for (int sy = 0; sy < sampleHeight_; ++sy) {
        for (int sx = 0; sx < sampleWidth_; ++sx) {
            Sample& sample = samples_[size_t(sy) * size_t(sampleWidth_) + size_t(sx)];
            if (sample.alpha >= 1.0) {
                continue;
            }
            bool near = false;
            for (int dy = -reach; dy <= reach && !near; ++dy) {
                const int ny = sy + dy;
                if (ny >= 0 && ny < sampleHeight_) {
                    const int dx = rowDistance[size_t(ny) * size_t(sampleWidth_) + size_t(sx)];
                    near = dx * dx + dy * dy <= reach * reach;
                }
            }
            if (near) {
                sample.premultiplied = sample.premultiplied + colour * (1.0 - sample.alpha);
                sample.alpha = 1.0;
            }
        }
    }
}

void Canvas::Overlay(const Canvas& top) {
    if (top.samples_.size() != samples_.size()) {
        return;
    }
    for (size_t i = 0; i < samples_.size(); ++i) {
        const Sample& upper = top.samples_[i];
        samples_[i].premultiplied =
            upper.premultiplied + samples_[i].premultiplied * (1.0 - upper.alpha);
        samples_[i].alpha = upper.alpha + samples_[i].alpha * (1.0 - upper.alpha);
    }
}

Rgba Canvas::PixelAt(int x, int y) const {
    Rgb sum;
    double alpha = 0.0;
    for (int sy = y * subsamples_; sy < (y + 1) * subsamples_; ++sy) {
        for (int sx = x * subsamples_; sx < (x + 1) * subsamples_; ++sx) {
            const Sample& sample = samples_[size_t(sy) * size_t(sampleWidth_) + size_t(sx)];
            sum = sum + sample.premultiplied;
            alpha += sample.alpha;
        }
    }
    const double count = double(subsamples_ * subsamples_);
    alpha /= count;
    if (alpha <= 0.0) {
        return {};
    }
    return {sum * (1.0 / (count * alpha)), alpha};
}

Surface Canvas::ToSprite(Rgb matte, double minimumOpacity) const {
    Surface sprite(width_, height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const Rgba pixel = PixelAt(x, y);
            if (pixel.alpha < minimumOpacity) {
                continue;
            }
            const Pixel colour = ToPixel(Mix(matte, pixel.colour, pixel.alpha));
            sprite.Set(x, y, colour == 0 ? MakePixel(1, 1, 1) : colour);
        }
    }
    return sprite;
}
