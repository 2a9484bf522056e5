// Window size arithmetic in display units.
#include "platform/display/WindowSizing.h"

#include <algorithm>
#include <cstdint>

#include "platform/FieldGeometry.h"

namespace {

// The largest client area whose window fits the work area.
PixelSize Room(const Rect& workArea, const WindowChrome& chrome) {
    return PixelSize{std::max(0, workArea.Width() - 2 * chrome.edge),
                     std::max(0, workArea.Height() - chrome.top - chrome.edge)};
}

PixelSize AtLeastMinimum(PixelSize client, const WindowChrome& chrome) {
    const PixelSize least = MinimumClientSize(chrome);
    return PixelSize{std::max(client.width, least.width), std::max(client.height, least.height)};
}

int MenuRows(const WindowChrome& chrome) { return chrome.menuInClient ? kMenuBarHeight : 0; }

}  // namespace

PixelSize MinimumClientSize(const WindowChrome& chrome) {
    return PixelSize{kFieldWidth / 2, kFieldHeight / 2 + MenuRows(chrome)};
}

PixelSize ClientSizeForScale(int scale, const WindowChrome& chrome) {
    return PixelSize{kFieldWidth * scale, (kFieldHeight + MenuRows(chrome)) * scale};
}

bool FitsWorkArea(PixelSize client, const Rect& workArea, const WindowChrome& chrome) {
    const PixelSize room = Room(workArea, chrome);
    return client.width <= room.width && client.height <= room.height;
}

PixelSize LargestFittingClient(const Rect& workArea, const WindowChrome& chrome) {
    const PixelSize room = Room(workArea, chrome);
    const WindowLayout layout = chrome.menuInClient ? WindowedLayout(room) : FieldOnlyLayout(room);
    return AtLeastMinimum(
        PixelSize{layout.field.Width(), layout.menuHeight + layout.field.Height()}, chrome);
}

PixelSize ShrinkToFit(PixelSize client, const Rect& workArea, const WindowChrome& chrome) {
    if (FitsWorkArea(client, workArea, chrome) || client.width <= 0 || client.height <= 0) {
        return AtLeastMinimum(client, chrome);
    }
    const PixelSize room = Room(workArea, chrome);
    // The smaller of the two ratios room / client, applied to both sides.
    const bool heightLimits =
        int64_t(room.height) * client.width <= int64_t(room.width) * client.height;
    const int64_t numerator = heightLimits ? room.height : room.width;
    const int64_t denominator = heightLimits ? client.height : client.width;
    return AtLeastMinimum(PixelSize{int(client.width * numerator / denominator),
                                    int(client.height * numerator / denominator)},
                          chrome);
}

WindowPlacement CentredPlacement(PixelSize client, const Rect& workArea,
                                 const WindowChrome& chrome) {
    const PixelSize room = Room(workArea, chrome);
    return WindowPlacement{workArea.left + std::max(0, (room.width - client.width) / 2),
                           workArea.top + std::max(0, (room.height - client.height) / 2),
                           client.width, client.height, false};
}

WindowPlacement FirstPlacement(const Rect& workArea, const std::optional<WindowPlacement>& stored,
                               int storedScale, const WindowChrome& chrome) {
    if (stored && stored->width > 0 && stored->height > 0) {
        const PixelSize size =
            ShrinkToFit(PixelSize{stored->width, stored->height}, workArea, chrome);
        const PixelSize room = Room(workArea, chrome);
        // Kept where it was as far as the work area allows, frame included.
        const int rightmost = workArea.left + std::max(0, room.width - size.width);
        const int bottommost = workArea.top + std::max(0, room.height - size.height);
        return WindowPlacement{std::clamp(stored->x, workArea.left, rightmost),
                               std::clamp(stored->y, workArea.top, bottommost), size.width,
                               size.height, stored->maximised};
    }
    if (storedScale >= 1 && storedScale <= kMaxPresetScale) {
        return CentredPlacement(
            ShrinkToFit(ClientSizeForScale(storedScale, chrome), workArea, chrome), workArea,
            chrome);
    }
    return CentredPlacement(LargestFittingClient(workArea, chrome), workArea, chrome);
}

WindowPlacement PresetPlacement(const WindowPlacement& current, int presetScale,
                                const Rect& workArea, const WindowChrome& chrome) {
    if (presetScale < 1) {
        return CentredPlacement(LargestFittingClient(workArea, chrome), workArea, chrome);
    }
    const PixelSize size = ClientSizeForScale(std::min(presetScale, kMaxPresetScale), chrome);
    WindowPlacement moved = current;
    moved.width = size.width;
    moved.height = size.height;
    moved.maximised = false;
    return FirstPlacement(workArea, moved, 0, chrome);
}
