// Decoding packed bitmaps of every handled kind, and refusing or surviving broken ones.
#include <gtest/gtest.h>

#include <climits>
#include <initializer_list>
#include <ostream>
#include <string>

#include "BmpBuilder.h"
#include "platform/BitmapDecoder.h"

namespace {

// A colour table whose entries are all distinct and none pure black.
std::vector<Pixel> TestPalette(int entries) {
    std::vector<Pixel> table;
    for (int i = 0; i < entries; ++i) {
        table.push_back(MakePixel(uint8_t(i), uint8_t(255 - i), uint8_t(i ^ 0x55)));
    }
    return table;
}

BitmapRecipe PaletteRecipe(int width, int height, int bitCount,
                           const std::vector<uint32_t>& indices) {
    return {.width = width,
            .height = height,
            .bitCount = uint16_t(bitCount),
            .colourTable = TestPalette(1 << bitCount),
            .pixels = PackRows(width, height, bitCount, indices)};
}

std::vector<Pixel> ColoursOf(const std::vector<uint32_t>& indices,
                             const std::vector<Pixel>& table) {
    std::vector<Pixel> colours;
    for (uint32_t index : indices) colours.push_back(index < table.size() ? table[index] : 0);
    return colours;
}

std::vector<Pixel> Decode(const std::vector<uint8_t>& dib) {
    const std::optional<Surface> picture = DecodeDib(dib);
    if (!picture) return {};
    return PixelsOf(*picture);
}

// Writes the low `width` bytes of value at `at`, least significant first.
void Patch(std::vector<uint8_t>& bytes, size_t at, uint32_t value, int width = 4) {
    for (int i = 0; i < width; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
}

std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
    std::vector<uint8_t> joined;
    for (const std::vector<uint8_t>& part : parts)
        joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// A run-length coded bitmap of 8 or 4 bits a pixel, with a full colour table.
BitmapRecipe RleRecipe(int bitCount, int width, int height, std::vector<uint8_t> data) {
    return {.width = width,
            .height = height,
            .bitCount = uint16_t(bitCount),
            .compression = bitCount == 8 ? BI_RLE8 : BI_RLE4,
            .colourTable = TestPalette(1 << bitCount),
            .pixels = std::move(data)};
}

BitmapRecipe BitfieldsRecipe(uint32_t headerSize, int width, int bitCount, uint32_t red,
                             uint32_t green, uint32_t blue, const std::vector<uint32_t>& values) {
    return {.headerSize = headerSize,
            .width = width,
            .bitCount = uint16_t(bitCount),
            .compression = BI_BITFIELDS,
            .redMask = red,
            .greenMask = green,
            .blueMask = blue,
            .pixels = PackRows(width, 1, bitCount, values)};
}

// ---- every depth and header kind: known pixels and where the parts lie ----

struct DecodeCase {
    const char* what;
    BitmapRecipe recipe;
    std::vector<Pixel> pixels;
    size_t pixelOffset = 0;  // 0: not checked
};

void PrintTo(const DecodeCase& c, std::ostream* out) { *out << c.what; }

BitmapRecipe WithHeader(BitmapRecipe recipe, uint32_t headerSize) {
    recipe.headerSize = headerSize;
    return recipe;
}

BitmapRecipe WithColoursUsed(BitmapRecipe recipe, uint32_t used) {
    recipe.coloursUsed = used;
    recipe.colourTable.resize(used);
    return recipe;
}

std::vector<DecodeCase> DecodeCases() {
    std::vector<DecodeCase> cases;
    for (int bits : {1, 4, 8}) {
        // 5 x 3: odd width, so rows carry padding; every row differs.
        const uint32_t top = (1u << bits) - 1;
        const std::vector<uint32_t> indices = {0, 1,   top,     top / 2, 1, top, 0, top / 3,
                                               0, top, top / 2, top / 3, 1, top, 0};
        const BitmapRecipe recipe = PaletteRecipe(5, 3, bits, indices);
        cases.push_back({"palette, high bits first", recipe, ColoursOf(indices, recipe.colourTable),
                         40u + (4u << bits)});
    }
    const BitmapRecipe core = WithHeader(PaletteRecipe(3, 2, 4, {0, 15, 7, 9, 3, 12}), 12);
    cases.push_back({"core header, 3-byte entries", core,
                     ColoursOf({0, 15, 7, 9, 3, 12}, core.colourTable), 12u + 16 * 3});
    cases.push_back({"core header, true colour",
                     WithHeader(TrueColourRecipe(2, 1, {0x102030, 0x405060}), 12),
                     {0x102030, 0x405060}});
    const BitmapRecipe used = WithColoursUsed(PaletteRecipe(3, 1, 8, {3, 200, 255}), 16);
    cases.push_back({"count of used colours; indices past it black",
                     used,
                     {used.colourTable[3], 0, 0},
                     40u + 16 * 4});
    const BitmapRecipe sixteen{
        .width = 6,
        .bitCount = 16,
        .pixels = PackRows(6, 1, 16, {0x7C00, 0x03E0, 0x001F, 0x4210, 0, 0x8000})};
    cases.push_back({"16 bits without masks are 555",
                     sixteen,
                     {0xFF0000, 0x00FF00, 0x0000FF, MakePixel(132, 132, 132), 0, 0}});
    const std::vector<Pixel> trueColour = {0x123456, 0xABCDEF, 0x010203,
                                           0xFFFFFF, 0x000000, 0x808080};
    cases.push_back(
        {"24 bits are blue, green, red", TrueColourRecipe(3, 2, trueColour), trueColour, 40});
    for (uint32_t size : {52u, 56u, 108u, 124u}) {
        cases.push_back({"longer headers read as the 40-byte one",
                         WithHeader(TrueColourRecipe(3, 2, trueColour), size), trueColour, size});
    }
    const BitmapRecipe thirtyTwo{
        .width = 2,
        .height = 2,
        .bitCount = 32,
        .pixels = PackRows(2, 2, 32, {0xFF123456, 0x00ABCDEF, 0x80000000, 0x7F010203})};
    cases.push_back(
        {"32 bits ignore the fourth byte", thirtyTwo, {0x123456, 0xABCDEF, 0, 0x010203}});
    cases.push_back(
        {"16-bit 565 bitfields",
         BitfieldsRecipe(40, 5, 16, 0xF800, 0x07E0, 0x001F,
                         {0xF800, 0x07E0, 0x001F, 0x0400, 0x8410}),
         {0xFF0000, 0x00FF00, 0x0000FF, MakePixel(0, 130, 0), MakePixel(132, 130, 132)}});
    for (uint32_t size : {52u, 56u, 108u, 124u}) {
        cases.push_back(
            {"masks inside the longer headers",
             BitfieldsRecipe(size, 3, 16, 0xF800, 0x07E0, 0x001F, {0xF800, 0x07E0, 0x001F}),
             {0xFF0000, 0x00FF00, 0x0000FF},
             size});
    }
    cases.push_back({"32-bit bitfields in reverse order",
                     BitfieldsRecipe(40, 1, 32, 0xFF, 0xFF00, 0xFF0000, {0x00332211}),
                     {MakePixel(0x11, 0x22, 0x33)},
                     52});
    cases.push_back({"10-bit channels scaled to 8",
                     BitfieldsRecipe(40, 1, 32, 0x3FF00000, 0x000FFC00, 0x000003FF,
                                     {0x3FF00000 | (0x200 << 10) | 0x001}),
                     {MakePixel(255, 0x80, 0)}});
    cases.push_back({"no mask: a dark channel",
                     BitfieldsRecipe(40, 1, 32, 0, 0xFF00, 0xFF, {0xFFFFFFFF}),
                     {MakePixel(0, 255, 255)}});
    const BitmapRecipe rle8 = RleRecipe(8, 4, 3,
                                        Join({
                                            {3, 5, 0, 0},              // run of 3, end of line
                                            {0, 3, 7, 8, 9, 0},        // literal, padded
                                            {1, 4, 0, 0},              // run of 1, end of line
                                            {0, 2, 2, 0, 2, 6, 0, 1},  // jump, run, end
                                        }));
    const std::vector<Pixel>& p8 = rle8.colourTable;
    cases.push_back({"8-bit runs, literals, jumps and ends",
                     rle8,
                     {0, 0, p8[6], p8[6], p8[7], p8[8], p8[9], p8[4], p8[5], p8[5], p8[5], 0}});
    const BitmapRecipe rle4 = RleRecipe(4, 5, 3,
                                        Join({
                                            {5, 0x12, 0, 0},              // 1 2 1 2 1
                                            {0, 3, 0x34, 0x50},           // 3 4 5
                                            {2, 0x67, 0, 0},              // 6 7
                                            {0, 5, 0x89, 0xAB, 0xC0, 0},  // 8 9 A B C, pad
                                            {0, 1},
                                        }));
    const std::vector<Pixel>& p4 = rle4.colourTable;
    cases.push_back({"4-bit runs alternate nibbles",
                     rle4,
                     {p4[8], p4[9], p4[10], p4[11], p4[12], p4[3], p4[4], p4[5], p4[6], p4[7],
                      p4[1], p4[2], p4[1], p4[2], p4[1]}});
    const BitmapRecipe edges = RleRecipe(8, 2, 2,
                                         Join({
                                             {255, 3, 0, 0},            // 255 pixels into 2
                                             {0, 5, 1, 2, 3, 4, 5, 0},  // literal of 5 into 2
                                             {0, 2, 255, 255},          // jump far off
                                             {200, 9, 0, 0, 200, 9},    // runs never drawn
                                         }));
    const std::vector<Pixel>& pe = edges.colourTable;
    cases.push_back({"runs and jumps past the edges dropped", edges, {pe[1], pe[2], pe[3], pe[3]}});
    // A literal of 4 with only 2 of its bytes; a run cut between its two bytes; no data.
    cases.push_back({"8-bit data ending early",
                     RleRecipe(8, 4, 1, {0, 4, 1, 2}),
                     {TestPalette(256)[1], TestPalette(256)[2], 0, 0}});
    cases.push_back({"8-bit run cut short", RleRecipe(8, 4, 1, {2}), std::vector<Pixel>(4, 0)});
    cases.push_back({"4-bit data ending early",
                     RleRecipe(4, 4, 1, {0, 4, 0x12}),
                     {TestPalette(16)[1], TestPalette(16)[2], 0, 0}});
    return cases;
}

class BitmapDecoderDecodes : public testing::TestWithParam<DecodeCase> {};

TEST_P(BitmapDecoderDecodes, KnownPixels) {
    const DecodeCase& c = GetParam();
    const std::vector<uint8_t> dib = BuildDib(c.recipe);
    const std::optional<DibLayout> layout = ReadDibLayout(dib);
    ASSERT_TRUE(layout);
    if (c.pixelOffset != 0) {
        EXPECT_EQ(layout->pixelOffset, c.pixelOffset);
    }
    EXPECT_EQ(layout->entrySize, c.recipe.headerSize == 12 ? 3u : 4u);
    EXPECT_EQ(Decode(dib), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BitmapDecoderDecodes, testing::ValuesIn(DecodeCases()));

TEST(BitmapDecoderHeaders, LargestSidesAreAcceptedButSmallFilesCannotDeclareHugePictures) {
    const BitmapRecipe wide =
        PaletteRecipe(kMaxBitmapSide, 1, 1, std::vector<uint32_t>(kMaxBitmapSide, 1));
    ASSERT_TRUE(ReadDibLayout(BuildDib(wide)));
    const std::optional<Surface> tall = DecodeDib(
        BuildDib(PaletteRecipe(1, kMaxBitmapSide, 1, std::vector<uint32_t>(kMaxBitmapSide, 1))));
    ASSERT_TRUE(tall);
    EXPECT_EQ(tall->Height(), kMaxBitmapSide);

    // An RLE file of a few bytes may claim 16384 x 16384 pixels: a gigabyte once decoded.
    std::vector<uint8_t> huge = BuildDib(PaletteRecipe(1, 1, 8, {1}));
    Patch(huge, 4, uint32_t(kMaxBitmapSide));
    Patch(huge, 8, uint32_t(kMaxBitmapSide));
    Patch(huge, 16, BI_RLE8);
    EXPECT_FALSE(ReadDibLayout(huge));
    EXPECT_FALSE(DecodeDib(huge));
}

// ---- broken headers are refused ----

struct BrokenCase {
    std::string what;
    std::vector<uint8_t> dib;
};

std::vector<BrokenCase> BrokenDibs() {
    const std::vector<uint8_t> base =
        BuildDib(WithColoursUsed(PaletteRecipe(4, 2, 8, {1, 2, 3, 4, 5, 6, 7, 8}), 16));
    std::vector<BrokenCase> cases;
    auto patched = [&](std::string what, size_t at, uint32_t value, bool wide = true) {
        std::vector<uint8_t> dib = base;
        Patch(dib, at, value, wide ? 4 : 2);
        cases.push_back({std::move(what), std::move(dib)});
    };
    for (uint32_t size : {0u, 4u, 16u, 39u, 41u, 64u, 200u, 0xFFFFFFFFu}) {
        patched("header size " + std::to_string(size), 0, size);
    }
    for (int32_t width : {0, -1, kMaxBitmapSide + 1, INT_MIN}) {
        patched("width " + std::to_string(width), 4, uint32_t(width));
    }
    for (int32_t height : {0, -2, kMaxBitmapSide + 1}) {
        patched("height " + std::to_string(height), 8, uint32_t(height));
    }
    for (uint32_t bits : {0u, 2u, 7u, 64u})
        patched("bits " + std::to_string(bits), 14, bits, false);
    for (uint32_t compression : {2u, 3u, 4u, 5u, 6u}) {
        patched("8 bits with compression " + std::to_string(compression), 16, compression);
    }
    patched("257 colours for 8 bits", 32, 257);
    patched("more colours than the table holds", 32, 17);
    {
        std::vector<uint8_t> dib = base;
        dib.pop_back();
        cases.push_back({"pixel rows one byte short", dib});
    }
    {
        std::vector<uint8_t> dib = BuildDib(TrueColourRecipe(4, 1, {1, 2, 3, 4}));
        Patch(dib, 14, 32, 2);
        cases.push_back({"24-bit rows read as 32-bit", dib});
        Patch(dib, 14, 24, 2);
        Patch(dib, 16, BI_RLE8);
        cases.push_back({"24 bits run-length coded", dib});
    }
    {
        BitmapRecipe fourBit = PaletteRecipe(2, 1, 4, {1, 2});
        fourBit.compression = BI_RLE8;
        cases.push_back({"4 bits with 8-bit runs", BuildDib(fourBit)});
        fourBit.compression = BI_RGB;
        fourBit.coloursUsed = 17;
        fourBit.colourTable.resize(17);
        cases.push_back({"17 colours for 4 bits", BuildDib(fourBit)});
    }
    {
        BitmapRecipe sixteen = BitfieldsRecipe(40, 1, 16, 0xF800, 0x07E0, 0x1F, {1});
        sixteen.compression = BI_RLE4;
        cases.push_back({"16 bits with 4-bit runs", BuildDib(sixteen)});
        std::vector<uint8_t> noMasks = BuildDib(BitfieldsRecipe(40, 1, 16, 1, 2, 3, {1}));
        noMasks.resize(40 + 8);
        cases.push_back({"bitfields without room for the masks", noMasks});
    }
    {
        BitmapRecipe core = TrueColourRecipe(1, 1, {1});
        core.headerSize = 12;
        for (uint16_t bits : {16, 32, 2}) {
            core.bitCount = bits;
            cases.push_back({"core header with bits " + std::to_string(bits), BuildDib(core)});
        }
        core.bitCount = 24;
        core.width = 0;
        cases.push_back({"core header with width 0", BuildDib(core)});
        core.width = 1;
        core.height = 40000;
        cases.push_back({"core header with height 40000", BuildDib(core)});
    }
    {
        BitmapRecipe fullTable = PaletteRecipe(1, 1, 8, {0});
        fullTable.colourTable.resize(10);
        fullTable.pixels.clear();
        cases.push_back({"256-entry table cut after 10 entries", BuildDib(fullTable)});
    }
    return cases;
}

TEST(BitmapDecoderRejects, HeadersThatLieOrAreNotHandled) {
    for (const BrokenCase& broken : BrokenDibs()) {
        SCOPED_TRACE(broken.what);
        EXPECT_FALSE(ReadDibLayout(broken.dib));
        EXPECT_FALSE(DecodeDib(broken.dib));
    }
}

}  // namespace
