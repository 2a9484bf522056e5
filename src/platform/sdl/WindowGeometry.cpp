// Window layout arithmetic.
#include "platform/sdl/WindowGeometry.h"

#include <algorithm>

#include "platform/Window.h"

namespace {

// Allowance for the title bar and frame the window manager adds around the window.
constexpr int kFrameAllowance = 48;

// Division rounding toward minus infinity, so that the pixel left of the field is -1.
int FloorDivide(int value, int divisor) {
    const int quotient = value / divisor;
    return (value % divisor != 0 && value < 0) ? quotient - 1 : quotient;
}

}  // namespace

Rect WindowLayout::FieldRect() const {
    return Rect{fieldLeft, fieldTop, fieldLeft + kClientWidth * scale,
                fieldTop + kClientHeight * scale};
}

Rect WindowLayout::MenuRect() const { return Rect{0, 0, window.width, menuHeight}; }

Rect WindowLayout::ToWindow(const Rect& field) const {
    return Rect{fieldLeft + field.left * scale, fieldTop + field.top * scale,
                fieldLeft + field.right * scale, fieldTop + field.bottom * scale};
}

FieldPoint WindowLayout::ToField(int windowX, int windowY) const {
    return FieldPoint{FloorDivide(windowX - fieldLeft, scale),
                      FloorDivide(windowY - fieldTop, scale)};
}

bool WindowLayout::InField(int windowX, int windowY) const {
    const Rect field = FieldRect();
    return windowX >= field.left && windowX < field.right && windowY >= field.top &&
           windowY < field.bottom;
}

PixelSize WindowSizeForScale(int scale) {
    return PixelSize{kClientWidth * scale, (kMenuBarHeight + kClientHeight) * scale};
}

int LargestFittingScale(int usableWidth, int usableHeight) {
    for (int scale = kMaxDisplayScale; scale > 1; --scale) {
        const PixelSize size = WindowSizeForScale(scale);
        if (size.width <= usableWidth && size.height + kFrameAllowance <= usableHeight) {
            return scale;
        }
    }
    return 1;
}

WindowLayout WindowedLayout(PixelSize surface, int scale, int pixelsPerUnit) {
    WindowLayout layout;
    layout.scale = std::max(1, scale) * std::max(1, pixelsPerUnit);
    layout.menuHeight = kMenuBarHeight * layout.scale;
    layout.fieldLeft = 0;
    layout.fieldTop = layout.menuHeight;
    layout.window = surface;
    return layout;
}

WindowLayout FullscreenLayout(PixelSize surface) {
    const int byWidth = surface.width / kClientWidth;
    const int byHeight = surface.height / (kMenuBarHeight + kClientHeight);
    WindowLayout layout;
    layout.scale = std::max(1, std::min(byWidth, byHeight));
    layout.menuHeight = kMenuBarHeight * layout.scale;
    layout.fieldLeft = std::max(0, (surface.width - kClientWidth * layout.scale) / 2);
    const int below = surface.height - layout.menuHeight;
    layout.fieldTop = layout.menuHeight + std::max(0, (below - kClientHeight * layout.scale) / 2);
    layout.window = surface;
    return layout;
}

int PixelsPerUnit(PixelSize surface, PixelSize windowUnits) {
    if (windowUnits.width <= 0) return 1;
    return std::max(1, surface.width / windowUnits.width);
}
