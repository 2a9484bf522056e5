// The window's picture below its menus: black around the field and the field scaled into
// place. Keeps what the field shows in field pixels, so that any part of the window can
// be drawn again at any time, and presents the back buffer's changed rectangles.
#pragma once

#include <span>
#include <vector>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/display/FieldLayout.h"
#include "platform/display/FieldScaler.h"
#include "platform/display/PixelTarget.h"

class WindowCanvas {
public:
    WindowCanvas();

    // Lays the window out anew; the scaler's tables for the new size are built here.
    void SetLayout(const WindowLayout& layout);
    const WindowLayout& Layout() const { return layout_; }
    // What the field shows, in field pixels.
    const Surface& Field() const { return field_; }

    // The top rows of the window something else shows (the menu bar over a full-screen
    // field): the field is not drawn there.
    void SetCoveredTop(int rows) { coveredTop_ = rows; }
    int CoveredTop() const { return coveredTop_; }

    // Copies these rectangles of the back buffer into the field and draws the pixels that
    // changed into the target. The window rectangles drawn are put in `changed` (emptied
    // first; it keeps its capacity, so frames allocate nothing once it has grown).
    void Present(const Surface& backBuffer, std::span<const Rect> rects, const PixelTarget& target,
                 std::vector<Rect>& changed);
    // Draws an area of the window (black around the field, the field) except covered rows.
    void Repaint(const PixelTarget& target, const Rect& area);

private:
    Rect Uncovered(const Rect& area) const;
    // Copies an area of the back buffer into the field; the part that differed (empty: none).
    Rect CopyChanges(const Surface& backBuffer, const Rect& area);

    Surface field_;
    WindowLayout layout_;
    FieldScaler scaler_;
    int coveredTop_ = 0;
};
