// Window size arithmetic in display units.
#include "platform/display/WindowSizing.h"

#include <algorithm>
#include <cstdint>

namespace {

// The largest client area whose window fits the work area.
PixelSize Room(const Rect& workArea) {
    return PixelSize{std::max(0, workArea.Width() - 2 * kFrameEdge),
                     std::max(0, workArea.Height() - kFrameTop - kFrameEdge)};
}

PixelSize AtLeastMinimum(PixelSize client) {
    return PixelSize{std::max(client.width, kMinimumClientSize.width),
                     std::max(client.height, kMinimumClientSize.height)};
}

}  // namespace

PixelSize ClientSizeForScale(int scale) {
    return PixelSize{kClientWidth * scale, (kClientHeight + kMenuBarHeight) * scale};
}

bool FitsWorkArea(PixelSize client, const Rect& workArea) {
    const PixelSize room = Room(workArea);
    return client.width <= room.width && client.height <= room.height;
}

PixelSize LargestFittingClient(const Rect& workArea) {
    const WindowLayout layout = WindowedLayout(Room(workArea));
    return AtLeastMinimum(
        PixelSize{layout.field.Width(), layout.menuHeight + layout.field.Height()});
}

PixelSize ShrinkToFit(PixelSize client, const Rect& workArea) {
    if (FitsWorkArea(client, workArea) || client.width <= 0 || client.height <= 0) {
        return AtLeastMinimum(client);
    }
    const PixelSize room = Room(workArea);
    // The smaller of the two ratios room / client, applied to both sides.
    const bool heightLimits =
        int64_t(room.height) * client.width <= int64_t(room.width) * client.height;
    const int64_t numerator = heightLimits ? room.height : room.width;
    const int64_t denominator = heightLimits ? client.height : client.width;
    return AtLeastMinimum(PixelSize{int(client.width * numerator / denominator),
                                    int(client.height * numerator / denominator)});
}

WindowPlacement CentredPlacement(PixelSize client, const Rect& workArea) {
    const PixelSize room = Room(workArea);
    return WindowPlacement{workArea.left + std::max(0, (room.width - client.width) / 2),
                           workArea.top + std::max(0, (room.height - client.height) / 2),
                           client.width, client.height, false};
}

WindowPlacement FirstPlacement(const Rect& workArea, const std::optional<WindowPlacement>& stored,
                               int storedScale) {
    if (stored && stored->width > 0 && stored->height > 0) {
        const PixelSize size = ShrinkToFit(PixelSize{stored->width, stored->height}, workArea);
        const PixelSize room = Room(workArea);
        // Kept where it was as far as the work area allows, frame included.
        const int rightmost = workArea.left + std::max(0, room.width - size.width);
        const int bottommost = workArea.top + std::max(0, room.height - size.height);
        return WindowPlacement{std::clamp(stored->x, workArea.left, rightmost),
                               std::clamp(stored->y, workArea.top, bottommost), size.width,
                               size.height, stored->maximised};
    }
    if (storedScale >= 1 && storedScale <= kMaxPresetScale) {
        return CentredPlacement(ShrinkToFit(ClientSizeForScale(storedScale), workArea), workArea);
    }
    return CentredPlacement(LargestFittingClient(workArea), workArea);
}
