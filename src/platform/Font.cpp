// Choosing the font file for a face: fontconfig's candidates, best first, until one loads.
#include "platform/Font.h"

#include "platform/FontLookup.h"
#include "platform/FreeTypeFont.h"

std::unique_ptr<Font> Font::Create(int cellHeight, const std::string& face) {
    if (cellHeight <= 0) return nullptr;
    for (const FontFile& file : FindFontFiles(face)) {
        if (std::unique_ptr<GlyphFont> font = LoadFreeTypeFont(file, cellHeight)) return font;
    }
    return nullptr;
}
