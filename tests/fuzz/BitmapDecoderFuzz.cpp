// Fuzz target: packed bitmaps (header, colour table, pixel rows) through the decoder. The
// layout and the decoded picture must agree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "FuzzLimits.h"
#include "platform/BitmapDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> dib(data, size);
    const std::optional<DibLayout> layout = ReadDibLayout(dib);
    if (layout && int64_t(layout->width) * layout->height > kFuzzMostPixels) return -1;
    const std::optional<Surface> picture = DecodeDib(dib);
    if (layout.has_value() != picture.has_value()) std::abort();
    if (picture && (picture->Width() != layout->width || picture->Height() != layout->height)) {
        std::abort();
    }
    return 0;
}
