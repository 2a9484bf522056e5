// Draws the field at any size, sharp: every window pixel is the area-weighted mix of the
// field pixels its footprint covers. At whole-number scales that is exactly the nearest
// pixel; at other scales only the one row or column of pixels on each field pixel's edge
// is mixed, so edges stay crisp and a still picture never shimmers. The weights are worked
// out once per size; drawing allocates nothing.
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

    Rect destination_;
    Axis columns_;
    Axis rows_;
    std::vector<Pixel> rowMix_;  // one source row, mixed from the rows a window row covers
};
