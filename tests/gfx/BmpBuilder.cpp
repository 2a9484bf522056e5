// Byte-level bitmap building for the art tests.
#include "BmpBuilder.h"

#include <fstream>
#include <stdexcept>

namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(uint8_t(value));
    out.push_back(uint8_t(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutMasks(std::vector<uint8_t>& out, const BitmapRecipe& recipe) {
    PutU32(out, recipe.redMask);
    PutU32(out, recipe.greenMask);
    PutU32(out, recipe.blueMask);
}

}  // namespace

std::vector<uint8_t> BuildDib(const BitmapRecipe& recipe) {
    std::vector<uint8_t> out;
    const bool core = recipe.headerSize == 12;
    PutU32(out, recipe.headerSize);
    if (core) {
        PutU16(out, uint32_t(recipe.width));
        PutU16(out, uint32_t(recipe.height));
        PutU16(out, 1);
        PutU16(out, recipe.bitCount);
    } else {
        PutU32(out, uint32_t(recipe.width));
        PutU32(out, uint32_t(recipe.height));
        PutU16(out, 1);
        PutU16(out, recipe.bitCount);
        PutU32(out, recipe.compression);
        PutU32(out, uint32_t(recipe.pixels.size()));
        PutU32(out, 2835);
        PutU32(out, 2835);
        PutU32(out, recipe.coloursUsed);
        PutU32(out, 0);
        if (recipe.headerSize > 40) PutMasks(out, recipe);
        out.resize(recipe.headerSize, 0);  // the later fields of the longer headers
        if (recipe.headerSize == 40 && recipe.compression == 3) PutMasks(out, recipe);
    }
    for (Pixel colour : recipe.colourTable) {
        out.push_back(PixelBlue(colour));
        out.push_back(PixelGreen(colour));
        out.push_back(PixelRed(colour));
        if (!core) out.push_back(0);
    }
    out.insert(out.end(), recipe.pixels.begin(), recipe.pixels.end());
    return out;
}

std::vector<uint8_t> BuildBmpFile(const BitmapRecipe& recipe) {
    return BuildBmpFile(recipe, uint32_t(14 + BuildDib(recipe).size()));
}

std::vector<uint8_t> BuildBmpFile(const BitmapRecipe& recipe, uint32_t fileSizeField) {
    const std::vector<uint8_t> dib = BuildDib(recipe);
    std::vector<uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, fileSizeField);
    PutU32(out, 0);  // both reserved fields
    PutU32(out, 0);  // pixel offset: not used
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

std::vector<uint8_t> PackRows(int width, int height, int bitCount,
                              const std::vector<uint32_t>& topDownValues) {
    if (topDownValues.size() != size_t(width) * size_t(height)) {
        throw std::invalid_argument("PackRows: value count differs from width x height");
    }
    const size_t stride = (size_t(width) * size_t(bitCount) + 31) / 32 * 4;
    std::vector<uint8_t> out(stride * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = out.data() + size_t(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const uint32_t value = topDownValues[size_t(y) * size_t(width) + size_t(x)];
            const size_t bit = size_t(x) * size_t(bitCount);
            if (bitCount < 8) {
                row[bit / 8] |= uint8_t(value << (8 - bitCount - bit % 8));
            } else {
                for (int b = 0; b < bitCount / 8; ++b)
                    row[bit / 8 + size_t(b)] = uint8_t(value >> (8 * b));
            }
        }
    }
    return out;
}

BitmapRecipe TrueColourRecipe(int width, int height, const std::vector<Pixel>& topDownPixels) {
    BitmapRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.bitCount = 24;
    recipe.pixels = PackRows(width, height, 24, topDownPixels);
    return recipe;
}

std::vector<Pixel> PixelsOf(const Surface& surface) {
    return std::vector<Pixel>(surface.Pixels().begin(), surface.Pixels().end());
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
}
