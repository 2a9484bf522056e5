// Text in a rectangle with one font: antialiased glyphs, chosen by face name and cell height.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/DrawContext.h"
#include "platform/Rect.h"

// Formats, as the text call takes them.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_SINGLELINE = 0x20;

class Font {
public:
    // The installed face that best matches `face` (a metric-compatible stand-in when the
    // face itself is missing), sized so that ascent + descent is `cellHeight` pixels.
    // Null when no usable font file is found at all, or cellHeight is not positive.
    // Only the desktop backend has installed fonts (pebblor_freetype defines this); the
    // game's own texts use the fonts baked in at build time (BakedFont.h), alike everywhere.
    static std::unique_ptr<Font> Create(int cellHeight, const std::string& face);
    virtual ~Font() = default;

    // Draws single-byte text (Windows-1252) into rect in the context's text colour, over
    // what is there (transparent background), clipped to rect and to the context's clip.
    // "\n", "\r\n" or a lone "\r" starts a new line unless DT_SINGLELINE; control bytes
    // draw nothing.
    virtual void DrawText(DrawContext& dc, std::string_view text, const Rect& rect,
                          unsigned format) const = 0;
    // Width in pixels of one line of text.
    virtual int MeasureWidth(std::string_view text) const = 0;
    virtual int CellHeight() const = 0;
};
