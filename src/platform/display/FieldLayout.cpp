// Layout arithmetic, all in whole numbers so that every size maps the same way each time.
#include "platform/display/FieldLayout.h"

#include <algorithm>
#include <cstdint>

#include "platform/FieldGeometry.h"

namespace {

// Division rounding toward minus infinity, so that the pixel left of the field is -1.
int64_t FloorDivide(int64_t value, int64_t divisor) {
    const int64_t quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

int64_t CeilDivide(int64_t value, int64_t divisor) { return -FloorDivide(-value, divisor); }

// The tallest even field height that fits the room with its 1:2 shape.
int FieldHeightFor(int roomWidth, int roomHeight) {
    const int height = std::min(roomHeight, 2 * roomWidth);
    return std::max(0, height - height % 2);
}

Rect CentredField(int left, int top, int roomWidth, int roomHeight, int fieldHeight) {
    const int width = fieldHeight / 2;
    const int x = left + (roomWidth - width) / 2;
    const int y = top + (roomHeight - fieldHeight) / 2;
    return Rect{x, y, x + width, y + fieldHeight};
}

}  // namespace

Rect WindowLayout::FieldToWindow(const Rect& area) const {
    const int64_t size = field.Height();
    if (size <= 0) return Rect{};
    return Rect{field.left + int(FloorDivide(int64_t(area.left) * size, kFieldHeight)),
                field.top + int(FloorDivide(int64_t(area.top) * size, kFieldHeight)),
                field.left + int(CeilDivide(int64_t(area.right) * size, kFieldHeight)),
                field.top + int(CeilDivide(int64_t(area.bottom) * size, kFieldHeight))};
}

FieldPoint WindowLayout::ToField(int windowX, int windowY) const {
    const int64_t size = std::max(1, field.Height());
    return FieldPoint{int(FloorDivide(int64_t(windowX - field.left) * kFieldHeight, size)),
                      int(FloorDivide(int64_t(windowY - field.top) * kFieldHeight, size))};
}

bool WindowLayout::InField(int windowX, int windowY) const {
    return windowX >= field.left && windowX < field.right && windowY >= field.top &&
           windowY < field.bottom;
}

WindowLayout WindowedLayout(PixelSize client) {
    WindowLayout layout;
    layout.window = client;
    // The bar's scale is the field's, rounded down: try the largest first.
    for (int menuScale = std::max(1, client.height / (kFieldHeight + kMenuBarHeight));;
         --menuScale) {
        const int menuHeight = kMenuBarHeight * menuScale;
        const int fieldHeight = FieldHeightFor(client.width, client.height - menuHeight);
        if (menuScale == 1 || fieldHeight >= kFieldHeight * menuScale) {
            layout.menuScale = menuScale;
            layout.menuHeight = menuHeight;
            layout.field =
                CentredField(0, menuHeight, client.width, client.height - menuHeight, fieldHeight);
            return layout;
        }
    }
}

WindowLayout FieldOnlyLayout(PixelSize client) {
    WindowLayout layout;
    layout.window = client;
    layout.field = CentredField(0, 0, client.width, client.height,
                                FieldHeightFor(client.width, client.height));
    return layout;
}

WindowLayout FullscreenLayout(PixelSize screen) {
    WindowLayout layout = FieldOnlyLayout(screen);
    layout.menuScale = std::max(1, layout.field.Height() / kFieldHeight);
    layout.menuHeight = kMenuBarHeight * layout.menuScale;
    layout.menuOverField = true;
    return layout;
}

int PixelsPerUnit(PixelSize surface, PixelSize windowUnits) {
    if (windowUnits.width <= 0) return 1;
    return std::max(1, surface.width / windowUnits.width);
}
