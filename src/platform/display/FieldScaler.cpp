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

// Two rows mixed, the upper with this weight out of 256: the same sums as Mix, byte by
// byte in 16 bits, a form the compiler turns into vector instructions.
void MixRows(const Pixel* upper, const Pixel* lower, uint16_t weight, int width, Pixel* out) {
    const auto* a = reinterpret_cast<const uint8_t*>(upper);
    const auto* b = reinterpret_cast<const uint8_t*>(lower);
    auto* o = reinterpret_cast<uint8_t*>(out);
    const uint16_t other = uint16_t(kWeightOne - weight);
    for (size_t i = 0; i < size_t(width) * sizeof(Pixel); ++i) {
        o[i] = uint8_t(uint16_t(a[i] * weight + b[i] * other + 128) >> 8);
    }
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
    auto narrow = [](const Axis& axis) {
        return std::all_of(axis.footprints.begin(), axis.footprints.end(),
                           [](const Footprint& f) { return f.count <= 2; });
    };
    atMostTwo_ = narrow(columns_) && narrow(rows_);
    sameSize_ = destination.Width() == sourceWidth && destination.Height() == sourceHeight;
    // Every window column mixes two source columns (the same one twice when it lies inside
    // one), each byte of the first with its weight out of 256, the second with the rest.
    columnFirst_.clear();
    columnSecond_.clear();
    byteWeights_.clear();
    for (const Footprint& column : columns_.footprints) {
        const uint16_t weight =
            column.count == 1 ? uint16_t(kWeightOne) : columns_.weights[size_t(column.weightsAt)];
        columnFirst_.push_back(column.first);
        columnSecond_.push_back(column.count == 1 ? column.first : column.first + 1);
        for (size_t byte = 0; byte < sizeof(Pixel); ++byte) {
            byteWeights_.push_back(ByteWeights{weight, uint16_t(kWeightOne - weight)});
        }
    }
    const size_t width = size_t(std::max(0, destination.Width()));
    firstPixels_.assign(width, 0);
    secondPixels_.assign(width, 0);
    lowerRow_.assign(size_t(std::max(0, destination.Width())), 0);
    rowMix_.assign(size_t(std::max(0, sourceWidth)), 0);
}

const Pixel* FieldScaler::ScaledRow(const Surface& source, int row, const Rect& area, Pixel* out) {
    if (scaledRow_[row % 2] == row) return scaledAt_[row % 2];
    const Pixel* line = source.Row(row);
    const size_t offset = size_t(area.left - destination_.left);
    const size_t width = size_t(area.Width());
    const int* first = columnFirst_.data() + offset;
    const int* second = columnSecond_.data() + offset;
    for (size_t x = 0; x < width; ++x) {
        firstPixels_[x] = line[first[x]];
        secondPixels_[x] = line[second[x]];
    }
    // Byte by byte, in a form the compiler turns into vector instructions.
    const auto* a = reinterpret_cast<const uint8_t*>(firstPixels_.data());
    const auto* b = reinterpret_cast<const uint8_t*>(secondPixels_.data());
    const ByteWeights* weights = byteWeights_.data() + offset * sizeof(Pixel);
    auto* o = reinterpret_cast<uint8_t*>(out);
    for (size_t i = 0; i < width * sizeof(Pixel); ++i) {
        o[i] = uint8_t(uint16_t(a[i] * weights[i].first + b[i] * weights[i].second + 128) >> 8);
    }
    scaledRow_[row % 2] = row;
    scaledAt_[row % 2] = out;
    return out;
}

void FieldScaler::Draw(const Surface& source, const PixelTarget& target, const Rect& windowArea) {
    const Rect area = Intersect(Intersect(windowArea, destination_), target.Bounds());
    if (area.IsEmpty() || source.Width() != int(rowMix_.size())) return;
    if (sameSize_) {
        for (int y = area.top; y < area.bottom; ++y) {
            const Pixel* from = source.Row(y - destination_.top) + (area.left - destination_.left);
            std::copy(from, from + area.Width(), target.Row(y) + area.left);
        }
        return;
    }
    if (!atMostTwo_) {
        DrawShrunk(source, target, area);
        return;
    }
    scaledRow_[0] = scaledRow_[1] = -1;
    const int width = area.Width();
    for (int y = area.top; y < area.bottom; ++y) {
        const Footprint& row = rows_.footprints[size_t(y - destination_.top)];
        Pixel* out = target.Row(y) + area.left;
        if (row.count == 1) {
            // Scaled straight into the window, where the next rows may find it.
            const Pixel* scaled = ScaledRow(source, row.first, area, out);
            if (scaled != out) std::copy(scaled, scaled + width, out);
            continue;
        }
        const Pixel* upper = ScaledRow(source, row.first, area, out);
        // Wherever the upper row is not.
        Pixel* lowerPlace = upper == lowerRow_.data() ? out : lowerRow_.data();
        const Pixel* lower = ScaledRow(source, row.first + 1, area, lowerPlace);
        MixRows(upper, lower, rows_.weights[size_t(row.weightsAt)], width, out);
        // The mix overwrote whichever scaled row was kept in this window row.
        for (int parity : {0, 1}) {
            if (scaledAt_[parity] == out) scaledRow_[parity] = -1;
        }
    }
}

void FieldScaler::DrawShrunk(const Surface& source, const PixelTarget& target, const Rect& area) {
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
