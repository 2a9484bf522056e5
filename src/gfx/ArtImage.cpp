// Art images: their frames, and placing a frame on the back buffer through the screen
// object's clip or over the areas the previous frame changed.
#include "gfx/ArtImage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <span>

#include "gfx/DirtyRectSet.h"
#include "platform/Font.h"

namespace {

int32_t SaturatedAdd(int32_t a, int32_t b) {
    return int32_t(std::clamp<int64_t>(int64_t(a) + b, std::numeric_limits<int32_t>::min(),
                                       std::numeric_limits<int32_t>::max()));
}

}  // namespace

ArtImage::ArtImage(uint32_t key, std::string_view requestedName, std::vector<DibFrame> loadedFrames)
    : NamedObject(0, "ArtObject"),
      nameKey(key),
      frames(std::make_unique<DibFrame[]>(loadedFrames.size())),
      frameCount(int32_t(loadedFrames.size())) {
    std::move(loadedFrames.begin(), loadedFrames.end(), frames.get());
    std::copy_n(requestedName.begin(), std::min(requestedName.size(), sizeof(name) - 1), name);
}

void ArtImage::Draw(DrawContext& dc, int left, int top, int frame, int mirrored,
                    const char* captionText) {
    Rect dest;
    DibFrame* picture = FrameAt(frame, left, top, dest);
    if (picture == nullptr) return;
    dc.SetClip(dirtyRects.clip);
    picture->DrawTransparent(dc, &dest, mirrored != 0 ? 1 : 0);
    DrawCaption(dc, dest, captionText);
    dc.SetClip(DirtyRectSet::fullScreenRegion);
}

void ArtImage::DrawOverDirty(DrawContext& dc, int left, int top, int frame, int /*ignoredFlag*/,
                             const char* captionText) {
    Rect dest;
    DibFrame* picture = FrameAt(frame, left, top, dest);
    if (picture == nullptr) return;
    const int map = dirtyRects.previous;
    for (const Rect* changed = dirtyRects.FirstDirtyRect(map, &dest); changed != nullptr;
         changed = dirtyRects.NextDirtyRect(map, &dest)) {
        DrawPictureInside(dc, *picture, dest, *changed, captionText);
    }
}

void ArtImage::DrawTiledOverDirty(DrawContext& dc) {
    if (frameCount < 1) return;
    DibFrame& picture = frames[0];
    const int w = picture.FrameWidth(), h = picture.FrameHeight();
    // A picture of no size would never cover anything.
    if (w <= 0 || h <= 0) return;
    // The walk's areas at once: the picture looks itself up once for them all.
    std::array<Rect, kTileCount> areas;  // a walk gives a tile one area at most
    size_t count = 0;
    const int map = dirtyRects.previous;
    for (const Rect* changed = dirtyRects.FirstDirtyRect(map, nullptr); changed != nullptr;
         changed = dirtyRects.NextDirtyRect(map, nullptr)) {
        areas[count++] = *changed;
    }
    if (caption[0] == '\0' || captionFont == nullptr) {
        // Each area, on the screen, bounds its copies: the whole screen is their clip.
        dc.SetClip(DirtyRectSet::fullScreenRegion);
        picture.DrawTiled(dc, std::span(areas.data(), count));
        return;
    }
    for (const Rect& area : std::span(areas.data(), count)) {
        if (area.IsEmpty()) continue;
        // Every copy carries the caption: one at a time.
        for (int x = area.left / w * w; x < area.right; x += w) {
            for (int y = area.top / h * h; y < area.bottom; y += h) {
                DrawPictureInside(dc, picture, Rect{x, y, x + w, y + h}, area, nullptr);
            }
        }
    }
}

void ArtImage::DrawPictureInside(DrawContext& dc, DibFrame& picture, const Rect& dest,
                                 const Rect& area, const char* captionText) {
    // Nothing of the picture or its caption lies outside dest.
    if (Intersect(area, dest).IsEmpty()) return;
    dc.SetClip(area);
    picture.DrawTransparent(dc, &dest, 0);
    DrawCaption(dc, dest, captionText);
    dc.SetClip(DirtyRectSet::fullScreenRegion);
}

DibFrame* ArtImage::FrameAt(int frame, int left, int top, Rect& dest) {
    if (frame < 0 || frame >= frameCount) return nullptr;
    DibFrame& picture = frames[size_t(frame)];
    dest = Rect{left, top, SaturatedAdd(left, picture.FrameWidth()),
                SaturatedAdd(top, picture.FrameHeight())};
    return &picture;
}

void ArtImage::DrawCaption(DrawContext& dc, const Rect& dest, const char* captionText) const {
    if (caption[0] == '\0' || captionFont == nullptr) return;
    dc.SetTextColour(captionColour);
    const std::string_view text =
        captionText != nullptr ? std::string_view(captionText)
                               : std::string_view(caption, strnlen(caption, sizeof(caption)));
    captionFont->DrawText(dc, text, dest, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
