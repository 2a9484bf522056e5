// FreeType rendering of a font file's glyphs for bytes 32 to 255.
#include "platform/freetype/FreeTypeFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <memory>

#include "platform/Cp1252.h"

namespace {

struct LibraryDeleter {
    void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};
struct FaceDeleter {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using LibraryHandle = std::unique_ptr<FT_LibraryRec_, LibraryDeleter>;
using FaceHandle = std::unique_ptr<FT_FaceRec_, FaceDeleter>;

// Ascent and descent in the font's design units, or in whole pixels once scaled.
struct VerticalMetrics {
    FT_Long ascent = 0;
    FT_Long descent = 0;
    FT_Long Cell() const { return ascent + descent; }
};

// 26.6 fixed point to whole pixels, rounded to nearest.
int RoundPixels(FT_Pos value) { return int((value + 32) >> 6); }

// A Windows text cell is the OS/2 table's Windows ascent + descent. FreeType's own ascender
// may come from the typographic metrics instead (Wine Tahoma asks for that), which would
// make the glyphs larger than the Windows font of the same cell height.
VerticalMetrics CellMetricsInUnits(FT_Face face) {
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        return VerticalMetrics{os2->usWinAscent, os2->usWinDescent};
    }
    return VerticalMetrics{face->ascender, -face->descender};
}

bool SetPixelSize(FT_Face face, FT_UInt pixelSize, const VerticalMetrics& units,
                  VerticalMetrics& pixels) {
    if (FT_Set_Pixel_Sizes(face, 0, pixelSize) != 0) return false;
    const FT_Fixed scale = face->size->metrics.y_scale;
    pixels.ascent = RoundPixels(FT_MulFix(units.ascent, scale));
    pixels.descent = RoundPixels(FT_MulFix(units.descent, scale));
    return true;
}

// The cell grows with the pixel size, so the largest size whose cell still fits is the one
// that gives exactly cellHeight when any does.
bool SetSizeForCell(FT_Face face, int cellHeight, VerticalMetrics& pixels) {
    const VerticalMetrics units = CellMetricsInUnits(face);
    FT_UInt chosen = 1;
    for (FT_UInt size = 2; size <= FT_UInt(cellHeight) * 2; ++size) {
        VerticalMetrics trial;
        if (!SetPixelSize(face, size, units, trial) || trial.Cell() > cellHeight) break;
        chosen = size;
    }
    return SetPixelSize(face, chosen, units, pixels);
}

// One character's glyph; empty (draws nothing, takes no room) when the font lacks it.
Glyph RenderGlyph(FT_Face face, char32_t codePoint, int ascent, std::vector<uint8_t>& coverage) {
    Glyph glyph;
    const FT_UInt index = FT_Get_Char_Index(face, codePoint);
    // Embedded bitmap strikes are 1-bit at small sizes: always take the outline.
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_BITMAP | FT_LOAD_TARGET_NORMAL) != 0) {
        return glyph;
    }
    FT_GlyphSlot slot = face->glyph;
    glyph.advance = std::max(RoundPixels(slot->advance.x), 0);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return glyph;

    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.num_grays != 256 ||
        bitmap.pitch < int(bitmap.width)) {
        return glyph;
    }
    glyph.left = slot->bitmap_left;
    glyph.top = ascent - slot->bitmap_top;
    glyph.width = int32_t(bitmap.width);
    glyph.height = int32_t(bitmap.rows);
    glyph.offset = uint32_t(coverage.size());
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        const uint8_t* source = bitmap.buffer + size_t(row) * size_t(bitmap.pitch);
        coverage.insert(coverage.end(), source, source + bitmap.width);
    }
    return glyph;
}

}  // namespace

std::optional<RenderedFont> RenderFreeTypeFont(const FontFile& file, int cellHeight) {
    if (cellHeight <= 0) return std::nullopt;
    FT_Library rawLibrary = nullptr;
    if (FT_Init_FreeType(&rawLibrary) != 0) return std::nullopt;
    const LibraryHandle library(rawLibrary);

    FT_Face rawFace = nullptr;
    if (FT_New_Face(library.get(), file.path.c_str(), file.index, &rawFace) != 0) {
        return std::nullopt;
    }
    const FaceHandle face(rawFace);
    if (!FT_IS_SCALABLE(face.get())) return std::nullopt;
    if (FT_Select_Charmap(face.get(), FT_ENCODING_UNICODE) != 0) return std::nullopt;

    VerticalMetrics metrics;
    if (!SetSizeForCell(face.get(), cellHeight, metrics)) return std::nullopt;

    RenderedFont font;
    font.ascent = int(metrics.ascent);
    font.descent = int(metrics.descent);
    for (int byte = 0x20; byte < 0x100; ++byte) {
        const char32_t codePoint = Cp1252CodePoint(uint8_t(byte));
        if (codePoint == 0) continue;
        font.glyphs[byte] = RenderGlyph(face.get(), codePoint, font.ascent, font.coverage);
    }
    return font;
}
