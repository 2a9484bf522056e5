// Draws the field at any size, sharp: every window pixel is the area-weighted mix of the
// field pixels its footprint covers. At whole-number scales that is exactly the nearest
// pixel; at other scales only the one row or column of pixels on each field pixel's edge
// is mixed, so edges stay crisp and a still picture never shimmers. The weights are worked
// out once per size; drawing allocates nothing. Each source row is scaled across once per
// draw and the window rows between two source rows are mixed from those scaled rows.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/display/PixelTarget.h"

class FieldScaler {
public:
    // Prepares drawing a source of sourceSize pixels into `destination`, a rectangle of
    // window pixels of the same shape (the field is twice as tall as wide at every size).
    void SetDestination(const Rect& destination, int sourceWidth, int sourceHeight);
    const Rect& Destination() const { return destination_; }

    // Draws the part of the destination inside windowArea from the source's pixels.
    void Draw(const Surface& source, const PixelTarget& target, const Rect& windowArea);

private:
    // The source pixels one destination pixel covers along one axis, with their weights
    // (out of 256, summing to 256) in the shared weight table.
    struct Footprint {
        int first = 0;
        int count = 0;
        int weightsAt = 0;
    };
    struct Axis {
        std::vector<Footprint> footprints;
        std::vector<uint16_t> weights;
    };
    static Axis BuildAxis(int destinationSize, int sourceSize);
    // The source row scaled across the area's columns into `out` (width of the area), or
    // where it was scaled before in this draw; the place is kept for the next window row.
    const Pixel* ScaledRow(const Surface& source, int row, const Rect& area, Pixel* out);
    // Smaller than the source, where a window pixel may cover more than two source pixels.
    void DrawShrunk(const Surface& source, const PixelTarget& target, const Rect& area);

    Rect destination_;
    Axis columns_;
    Axis rows_;
    bool atMostTwo_ = false;  // no footprint covers more than two source pixels
    bool sameSize_ = false;   // a window pixel for each source pixel: drawing copies
    // Then each window column mixes source columns first and second, each byte of the
    // first with one weight out of 256, of the second with the other.
    struct ByteWeights {
        uint16_t first = 0;
        uint16_t second = 0;
    };
    std::vector<int> columnFirst_;
    std::vector<int> columnSecond_;
    std::vector<ByteWeights> byteWeights_;  // four per column
    std::vector<Pixel> firstPixels_;        // scratch: the source pixels of one scaled row
    std::vector<Pixel> secondPixels_;
    // A scaled source row that a mixed window row needs below the one it mixes with.
    std::vector<Pixel> lowerRow_;
    // The last two scaled source rows of this draw, by their row's parity, and where they are.
    int scaledRow_[2] = {-1, -1};
    const Pixel* scaledAt_[2] = {nullptr, nullptr};
    std::vector<Pixel> rowMix_;  // shrinking: one source row mixed from several
};
