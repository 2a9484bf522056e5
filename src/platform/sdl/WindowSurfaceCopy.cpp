// Scaled, converting copies onto the window surface.
#include "platform/sdl/WindowSurfaceCopy.h"

#include <SDL.h>

void CopyScaled(SDL_Surface* target, const Surface& source, const Rect& area, int scale, int left,
                int top, std::vector<Pixel>& rowBuffer) {
    if (target == nullptr || scale < 1) return;
    const Rect from = Intersect(area, source.Bounds());
    if (from.IsEmpty()) return;
    const int destLeft = left + (from.left - area.left) * scale;
    const int destTop = top + (from.top - area.top) * scale;
    const Rect dest = Intersect(
        Rect{destLeft, destTop, destLeft + from.Width() * scale, destTop + from.Height() * scale},
        Rect{0, 0, target->w, target->h});
    if (dest.IsEmpty()) return;

    const int width = dest.Width();
    if (rowBuffer.size() < size_t(width)) rowBuffer.resize(size_t(width));
    if (SDL_MUSTLOCK(target) && SDL_LockSurface(target) != 0) return;
    const int bytesPerPixel = target->format->BytesPerPixel;
    int builtRow = -1;
    for (int y = dest.top; y < dest.bottom; ++y) {
        const int sourceY = from.top + (y - destTop) / scale;
        if (sourceY != builtRow) {
            const Pixel* sourceRow = source.Row(sourceY);
            for (int x = 0; x < width; ++x) {
                rowBuffer[size_t(x)] = sourceRow[from.left + (dest.left + x - destLeft) / scale];
            }
            builtRow = sourceY;
        }
        auto* destRow = static_cast<uint8_t*>(target->pixels) + ptrdiff_t(y) * target->pitch +
                        ptrdiff_t(dest.left) * bytesPerPixel;
        SDL_ConvertPixels(width, 1, SDL_PIXELFORMAT_RGB888, rowBuffer.data(),
                          width * int(sizeof(Pixel)), target->format->format, destRow,
                          target->pitch);
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
}

void FillBlack(SDL_Surface* target) {
    if (target != nullptr) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
}
