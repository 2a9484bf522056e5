// Each area goes out with SetDIBitsToDevice, described as a bitmap of just its own rows:
// the source then always starts at the bitmap's first row, which reads the same for
// top-down and bottom-up bitmaps on every version of GDI.
#include "platform/win32/WindowPixels.h"

#include <algorithm>

void WindowPixels::Resize(PixelSize size) {
    if (size == Size()) return;
    pixels_ = Surface(std::max(0, size.width), std::max(0, size.height));
}

bool WindowPixels::Show(HDC context, std::span<const Rect> areas, int originRow) const {
    bool shown = true;
    for (const Rect& area : areas) {
        const Rect part =
            Intersect(area, Rect{0, std::max(0, originRow), pixels_.Width(), pixels_.Height()});
        if (part.IsEmpty()) continue;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = pixels_.Width();
        info.bmiHeader.biHeight = -part.Height();  // top-down: the first row is the top one
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        const int lines = SetDIBitsToDevice(
            context, part.left, part.top - originRow, DWORD(part.Width()), DWORD(part.Height()),
            part.left, 0, 0, UINT(part.Height()), pixels_.Row(part.top), &info, DIB_RGB_COLORS);
        shown = shown && lines == part.Height();
    }
    return shown;
}
