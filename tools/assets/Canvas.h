// A supersampled painting surface: shapes are filled per subsample and averaged into
// antialiased pixels, then turned into sprites with black as the transparent colour.
#pragma once

#include <functional>
#include <vector>

#include "Colour.h"
#include "platform/Surface.h"

struct Point {
    double x = 0.0;
    double y = 0.0;
};

// Colour and opacity, the colour not multiplied by the opacity.
struct Rgba {
    Rgb colour;
    double alpha = 0.0;
};

class Canvas {
public:
    // width x height pixels of subsamples x subsamples samples each, all transparent.
    Canvas(int width, int height, int subsamples);

    int Width() const { return width_; }
    int Height() const { return height_; }

    // Every painting call works in pixel coordinates and blends over what is there.
    void FillPolygon(const std::vector<Point>& corners, Rgb colour, double opacity = 1.0);
    void FillCircle(Point centre, double radius, Rgb colour, double opacity = 1.0);
    // A line with round ends, radius being half its thickness.
    void FillCapsule(Point from, Point to, double radius, Rgb colour, double opacity = 1.0);
    // Blends shader(sample position) at every sample of the box (left, top)-(right, bottom).
    void Shade(double left, double top, double right, double bottom,
               const std::function<Rgba(Point)>& shader);
    // Puts a ring of the given width in pixels under everything painted so far.
    void OutlineUnder(double width, Rgb colour);
    // Blends another canvas of the same size and subsampling over this one.
    void Overlay(const Canvas& top);

    // The averaged pixel.
    Rgba PixelAt(int x, int y) const;
    // Pixels less opaque than minimumOpacity become black (transparent); the others are
    // blended over matte, the colour they will mostly be seen on, and are never pure black.
    Surface ToSprite(Rgb matte, double minimumOpacity) const;

private:
    struct Sample {
        Rgb premultiplied;
        double alpha = 0.0;
    };

    void Blend(Sample& sample, Rgb colour, double opacity);
    // Calls visit(sample, position) for the samples whose centres lie inside the box.
    template <typename Visit>
    void ForSamplesIn(double left, double top, double right, double bottom, Visit visit);

    int width_;
    int height_;
    int subsamples_;
    int sampleWidth_;
    int sampleHeight_;
    std::vector<Sample> samples_;
};
