// pebblor-fonts: renders the game's fonts from their font files into C++ source at build
// time, so that the game draws the same text pixels on every system.
//   pebblor-fonts --out FILE.cpp HEIGHT:FACE:FONTFILE...
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FontSource.h"

namespace {

constexpr const char* kUsage = "usage: pebblor-fonts --out FILE.cpp HEIGHT:FACE:FONTFILE...\n";

// HEIGHT:FACE:FONTFILE, the face free of characters that would need quoting in C++.
bool ParseSpecification(std::string_view text, int& cellHeight, std::string& face,
                        std::string& path) {
    const size_t first = text.find(':');
    const size_t second = first == text.npos ? text.npos : text.find(':', first + 1);
    if (second == text.npos) return false;
    const std::string_view height = text.substr(0, first);
    const auto [end, error] =
        std::from_chars(height.data(), height.data() + height.size(), cellHeight);
    face = std::string(text.substr(first + 1, second - first - 1));
    path = std::string(text.substr(second + 1));
    return error == std::errc() && end == height.data() + height.size() && cellHeight > 0 &&
           !face.empty() && face.find_first_of("\"\\") == face.npos && !path.empty();
}

bool WriteText(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return bool(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || std::string_view(argv[1]) != "--out") {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const std::string outPath = argv[2];
    std::vector<FontToBake> fonts;
    for (int i = 3; i < argc; ++i) {
        FontToBake bake;
        std::string path;
        if (!ParseSpecification(argv[i], bake.cellHeight, bake.face, path)) {
            std::fprintf(stderr, "pebblor-fonts: not HEIGHT:FACE:FONTFILE: %s\n%s", argv[i],
                         kUsage);
            return 2;
        }
        std::optional<RenderedFont> font = RenderFreeTypeFont(FontFile{path, 0}, bake.cellHeight);
        if (!font) {
            std::fprintf(stderr, "pebblor-fonts: cannot render %s: no scalable font there\n",
                         path.c_str());
            return 1;
        }
        bake.fileName = std::filesystem::path(path).filename().string();
        bake.font = std::move(*font);
        fonts.push_back(std::move(bake));
    }
    if (!WriteText(outPath, EmitBakedFontSource(fonts))) {
        std::fprintf(stderr, "pebblor-fonts: cannot write %s\n", outPath.c_str());
        return 1;
    }
    return 0;
}
