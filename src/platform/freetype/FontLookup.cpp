// Fontconfig queries for font files, with the Wine fonts folder (home of Tahoma) added.
#include "platform/freetype/FontLookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace {

constexpr const char* kWineFontFolder = "/usr/share/wine/fonts";

struct ConfigDeleter {
    void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

// The system's font configuration plus the Wine fonts folder (a missing folder is simply not
// added): loaded on first use and released at exit, which fontconfig's shared default
// configuration never is.
FcConfig* FontConfiguration() {
    static const std::unique_ptr<FcConfig, ConfigDeleter> config = [] {
        std::unique_ptr<FcConfig, ConfigDeleter> loaded(FcInitLoadConfigAndFonts());
        if (loaded) {
            FcConfigAppFontAddDir(loaded.get(), reinterpret_cast<const FcChar8*>(kWineFontFolder));
        }
        return loaded;
    }();
    return config.get();
}

}  // namespace

std::vector<FontFile> FindFontFiles(const std::string& face) {
    std::vector<FontFile> files;
    FcConfig* config = FontConfiguration();
    if (config == nullptr) return files;

    std::unique_ptr<FcPattern, PatternDeleter> pattern(FcPatternCreate());
    if (!pattern) return files;
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    if (FcConfigSubstitute(config, pattern.get(), FcMatchPattern) != FcTrue) return files;
    FcDefaultSubstitute(pattern.get());

    FcResult result = FcResultNoMatch;
    std::unique_ptr<FcFontSet, FontSetDeleter> sorted(
        FcFontSort(config, pattern.get(), FcFalse, nullptr, &result));
    if (!sorted) return files;
    for (int i = 0; i < sorted->nfont; ++i) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(sorted->fonts[i], FC_FILE, 0, &path) != FcResultMatch) continue;
        int index = 0;
        FcPatternGetInteger(sorted->fonts[i], FC_INDEX, 0, &index);
        files.push_back(FontFile{reinterpret_cast<const char*>(path), index});
    }
    return files;
}
