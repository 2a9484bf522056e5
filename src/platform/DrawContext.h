// The drawing context on a surface: a clip rectangle, a selected pen with a current
// position, a text colour, and the copies that sprites and presentation need. It draws at
// once, or hands each operation to a recorder that draws it later.
#pragma once

#include "platform/DrawOp.h"
#include "platform/FrameRecorder.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

// A solid pen one pixel wide.
struct Pen {
    Pixel colour = 0;
};

class DrawContext {
public:
    explicit DrawContext(Surface& target);

    const Surface& Target() const { return *target_; }
    // From now on the operations go to the recorder (not owned, recording this surface)
    // instead of the surface; null draws at once again.
    void SetRecorder(FrameRecorder* recorder) { recorder_ = recorder; }

    // Every operation below draws only inside the clip, which never leaves the surface.
    void SetClip(const Rect& clip);
    void ResetClip();  // the whole surface
    const Rect& Clip() const { return clip_; }

    // Returns the pen selected before (null when none was).
    const Pen* SelectPen(const Pen* pen);
    const Pen* SelectedPen() const { return pen_; }
    void MoveTo(int x, int y);
    // A Bresenham line from the current position to (x, y), the end point not drawn,
    // in the selected pen (nothing without one); (x, y) becomes the current position.
    void LineTo(int x, int y);
    // The pixels and pen of MoveTo(x0, y) then LineTo(x1, y), as a fill of the row's pixels:
    // a recorder compares fills of one colour, and carries them out, more cheaply than lines.
    void LevelLine(int x0, int x1, int y);

    void SetTextColour(ColorRef colour) { textColour_ = colour; }
    ColorRef TextColour() const { return textColour_; }

    // Opaque copy of source's rectangle (srcX, srcY, width, height) to (dstX, dstY).
    void Copy(const Surface& source, int srcX, int srcY, int width, int height, int dstX, int dstY);
    // The same, leaving the destination where the source is pure black.
    void CopyTransparent(const Surface& source, int srcX, int srcY, int width, int height, int dstX,
                         int dstY);
    // Covers `area` with copies of source laid edge to edge from the surface's top-left
    // corner, opaque or, when transparent, leaving the destination where the source is pure
    // black.
    void CopyTiled(const Surface& source, const Rect& area, bool transparent);
    // Sets one pixel if it lies inside the clip.
    void Plot(int x, int y, Pixel colour);
    // Lays the colour over `area` in proportion to the coverage of the run's glyphs there.
    // The run need not outlive the call.
    void BlendGlyphs(const GlyphRun& run, const Rect& area, Pixel colour);

private:
    // Draws the operation now, inside the clip, or hands it to the recorder.
    void Draw(DrawOp op);
    // The same for an operation whose area already lies inside the clip, and is not empty.
    void Carry(const DrawOp& op);

    Surface* target_;
    FrameRecorder* recorder_ = nullptr;
    Rect clip_;
    const Pen* pen_ = nullptr;
    int penX_ = 0;
    int penY_ = 0;
    ColorRef textColour_ = 0;
};
