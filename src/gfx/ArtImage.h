// A named strip of one or more bitmap frames, as the art cache hands it out, and how a frame
// of it is placed on the screen.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "core/NamedObject.h"
#include "gfx/DibFrame.h"
#include "platform/DrawContext.h"
#include "platform/Surface.h"

class Font;

class ArtImage : public NamedObject {
public:
    // An image requested as `requestedName` (kept cut to 2047 characters) made of the given
    // frames, in order; there is at least one.
    ArtImage(uint32_t key, std::string_view requestedName, std::vector<DibFrame> loadedFrames);

    // Draws frame `frame` with its top-left corner at (left, top), pure black transparent,
    // inside the screen object's clip; mirrored non-zero draws it mirrored left to right.
    // The caption (if any) is written over it: captionText, or the image's own when null.
    virtual void Draw(DrawContext& dc, int left, int top, int frame, int mirrored,
                      const char* captionText);
    // The same draw, never mirrored, but only inside the areas the previous frame changed.
    virtual void DrawOverDirty(DrawContext& dc, int left, int top, int frame, int ignoredFlag,
                               const char* captionText);
    // Copies of frame 0 laid edge to edge from the screen's top-left corner, each as Draw
    // draws it unmirrored, but only inside the areas the previous frame changed.
    void DrawTiledOverDirty(DrawContext& dc);

    uint32_t nameKey;
    std::unique_ptr<DibFrame[]> frames;
    int32_t frameCount;
    char name[2048] = {};
    char caption[128] = {};
    const Font* captionFont = nullptr;
    ColorRef captionColour = 0;

private:
    // The frame's rectangle at (left, top); null when frame is not one of the image's.
    DibFrame* FrameAt(int frame, int left, int top, Rect& dest);
    // The picture placed at dest, drawn only inside area.
    void DrawPictureInside(DrawContext& dc, DibFrame& picture, const Rect& dest, const Rect& area,
                           const char* captionText);
    void DrawCaption(DrawContext& dc, const Rect& dest, const char* captionText) const;
};
