// Flat-coloured bitmap strips for the drawing tests.
#include "ArtFiles.h"

#include <sstream>

#include "gfx/BmpBuilder.h"
#include "gfx/DirtyRectSet.h"

void WriteArtRow(const TempDir& folder, const std::string& artRow, int width, int height,
                 const std::vector<Pixel>& colours) {
    std::istringstream names(artRow);
    std::string name;
    for (size_t frame = 0; names >> name; ++frame) {
        const std::vector<Pixel> pixels(size_t(width) * size_t(height), colours.at(frame));
        WriteBytes(folder / name.c_str(), BuildBmpFile(TrueColourRecipe(width, height, pixels)));
    }
    // The tests read it from the current folder, where an earlier test may have missed it.
    dirtyRects.SetArtFolder("");
}

std::vector<Pixel> FrameColours() {
    return {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
}
