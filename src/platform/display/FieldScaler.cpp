// Area-weighted scaling with whole-number tables.
#include "platform/display/FieldScaler.h"

#include <algorithm>

namespace {

constexpr uint32_t kWeightOne = 256;

// The weighted sum of `count` pixels, a stride apart, per colour channel, rounded.
Pixel Mix(const Pixel* pixels, ptrdiff_t stride, const uint16_t* weights, int count) {
    uint32_t redBlue = 0x00800080;
    uint32_t green = 0x00008000;
    for (int i = 0; i < count; ++i) {
        const Pixel p = pixels[i * stride];
        redBlue += (p & 0x00FF00FF) * weights[i];
        green += (p & 0x0000FF00) * weights[i];
    }
    return ((redBlue >> 8) & 0x00FF00FF) | ((green >> 8) & 0x0000FF00);
}

}  // namespace

FieldScaler::Axis FieldScaler::BuildAxis(int destinationSize, int sourceSize) {
    Axis axis;
    if (destinationSize <= 0 || sourceSize <= 0) return axis;
    axis.footprints.resize(size_t(destinationSize));
    // In units where a source pixel is destinationSize long and a destination pixel
    // sourceSize long, destination pixel d covers [d * sourceSize, (d + 1) * sourceSize).
    const int64_t source = sourceSize;
    const int64_t destination = destinationSize;
    for (int64_t d = 0; d < destination; ++d) {
        const int64_t start = d * source;
        const int64_t end = start + source;
        Footprint& footprint = axis.footprints[size_t(d)];
        footprint.first = int(start / destination);
        footprint.count = int((end - 1) / destination) - footprint.first + 1;
        footprint.weightsAt = int(axis.weights.size());
        // Weights from the covered length, rounded cumulatively so that they sum to 256.
        uint32_t given = 0;
        for (int i = 0; i < footprint.count; ++i) {
            const int64_t pixelEnd = std::min(end, (footprint.first + i + 1) * destination);
            const uint32_t upTo =
                uint32_t(((pixelEnd - start) * kWeightOne + uint64_t(source) / 2) / source);
            axis.weights.push_back(uint16_t(upTo - given));
            given = upTo;
        }
    }
    return axis;
}

void FieldScaler::SetDestination(const Rect& destination, int sourceWidth, int sourceHeight) {
    destination_ = destination;
    columns_ = BuildAxis(destination.Width(), sourceWidth);
    rows_ = BuildAxis(destination.Height(), sourceHeight);
    rowMix_.assign(size_t(std::max(0, sourceWidth)), 0);
}

void FieldScaler::Draw(const Surface& source, const PixelTarget& target, const Rect& windowArea) {
    const Rect area = Intersect(Intersect(windowArea, destination_), target.Bounds());
    if (area.IsEmpty() || source.Width() != int(rowMix_.size())) return;
    const Footprint& firstColumn = columns_.footprints[size_t(area.left - destination_.left)];
    const Footprint& lastColumn = columns_.footprints[size_t(area.right - 1 - destination_.left)];
    const int mixFrom = firstColumn.first;
    const int mixTo = lastColumn.first + lastColumn.count;
    for (int y = area.top; y < area.bottom; ++y) {
        const Footprint& row = rows_.footprints[size_t(y - destination_.top)];
        const Pixel* line = source.Row(row.first);
        if (row.count > 1) {
            const uint16_t* weights = rows_.weights.data() + row.weightsAt;
            for (int x = mixFrom; x < mixTo; ++x) {
                rowMix_[size_t(x)] = Mix(line + x, source.Width(), weights, row.count);
            }
            line = rowMix_.data();
        }
        Pixel* out = target.Row(y);
        for (int x = area.left; x < area.right; ++x) {
            const Footprint& column = columns_.footprints[size_t(x - destination_.left)];
            out[x] = column.count == 1
                         ? line[column.first]
                         : Mix(line + column.first, 1, columns_.weights.data() + column.weightsAt,
                               column.count);
        }
    }
}
