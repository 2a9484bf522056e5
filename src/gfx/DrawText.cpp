// The screen object's text drawing: a text in a rectangle, then the rectangle marked changed.
#include "gfx/DirtyRectSet.h"
#include "platform/Font.h"

void DirtyRectSet::DrawText(DrawContext& dc, const Font* font, const char* text, Rect rect,
                            ColorRef colour, unsigned format) {
    dc.SetTextColour(colour);
    if (font != nullptr && text != nullptr) font->DrawText(dc, text, rect, format);
    // The whole rectangle, whatever the text covers.
    MarkDirtyRect(rect);
}
