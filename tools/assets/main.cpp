// pebblor-assets: paints the game's bitmaps and synthesises its sound clips and icons.
//   --out DIR --resources FILE.cpp   bitmaps into DIR, clips and icons as C++ source
//   --contact-sheet FILE.png         every bitmap enlarged on one sheet, for review
//   --wav-dir DIR                    every clip as DIR/<id>.wav, for listening
//   --icons DIR                      the desktop icons as DIR/<n>x<n>/apps/pebblor.png
//   --windows-resources DIR          clips, icons and their resource script for Windows
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "ArtCatalog.h"
#include "ClipCatalog.h"
#include "ContactSheet.h"
#include "FileOutput.h"
#include "IconPainter.h"
#include "ResourceEmitter.h"
#include "WaveWriter.h"
#include "WindowsResources.h"
#include "platform/PngWriter.h"

namespace {

struct Options {
    std::string outDir;
    std::string resources;
    std::string contactSheet;
    std::string wavDir;
    std::string iconDir;
    std::string windowsDir;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string* target = nullptr;
        if (std::strcmp(argv[i], "--out") == 0) {
            target = &options.outDir;
        } else if (std::strcmp(argv[i], "--resources") == 0) {
            target = &options.resources;
        } else if (std::strcmp(argv[i], "--contact-sheet") == 0) {
            target = &options.contactSheet;
        } else if (std::strcmp(argv[i], "--wav-dir") == 0) {
            target = &options.wavDir;
        } else if (std::strcmp(argv[i], "--icons") == 0) {
            target = &options.iconDir;
        } else if (std::strcmp(argv[i], "--windows-resources") == 0) {
            target = &options.windowsDir;
        }
        if (target == nullptr || i + 1 >= argc) {
            return false;
        }
        *target = argv[++i];
    }
    const bool anything = !options.outDir.empty() || !options.resources.empty() ||
                          !options.contactSheet.empty() || !options.wavDir.empty() ||
                          !options.iconDir.empty() || !options.windowsDir.empty();
    return anything;
}

bool Fail(const std::string& path) {
    std::fprintf(stderr, "pebblor-assets: cannot write %s\n", path.c_str());
    return false;
}

bool WriteArt(const Options& options) {
    if (options.outDir.empty() && options.contactSheet.empty()) {
        return true;
    }
    const std::vector<ArtFile> art = PaintAllArt();
    if (!options.outDir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(options.outDir, ignored);
        for (const ArtFile& file : art) {
            const std::string path = options.outDir + "/" + file.name;
            if (!WriteFileIfChanged(path, EncodeArtFile(file))) {
                return Fail(path);
            }
        }
    }
    if (!options.contactSheet.empty() &&
        !WritePng(BuildContactSheet(art, PaintIcons()), options.contactSheet)) {
        return Fail(options.contactSheet);
    }
    return true;
}

bool WriteSound(const Options& options) {
    if (options.resources.empty() && options.wavDir.empty() && options.windowsDir.empty()) {
        return true;
    }
    const std::vector<Clip> clips = RenderAllClips();
    if (!options.resources.empty() &&
        !WriteFileIfChanged(options.resources, EmitResourceSource(clips, PaintIcons()))) {
        return Fail(options.resources);
    }
    if (!options.windowsDir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(options.windowsDir, ignored);
        if (!WriteWindowsResources(options.windowsDir, clips)) {
            return Fail(options.windowsDir);
        }
    }
    if (!options.wavDir.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(options.wavDir, ignored);
        for (const Clip& clip : clips) {
            const std::string path = options.wavDir + "/" + std::to_string(clip.id) + ".wav";
            if (!WriteFileIfChanged(path, EncodeWave(clip.sampleRate, clip.samples))) {
                return Fail(path);
            }
        }
    }
    return true;
}

// The folder layout of the desktop's icon themes, so that the tree installs as it is.
bool WriteDesktopIcons(const Options& options) {
    if (options.iconDir.empty()) {
        return true;
    }
    for (int size : kDesktopIconSizes) {
        const std::string folder =
            options.iconDir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
        const DesktopIcon icon = PaintDesktopIcon(size);
        const std::string path = folder + "/pebblor.png";
        if (!WriteFileIfChanged(path, EncodePng(icon.colour, icon.alpha))) {
            return Fail(path);
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: pebblor-assets [--out DIR] [--resources FILE.cpp]"
                     " [--contact-sheet FILE.png] [--wav-dir DIR] [--icons DIR]"
                     " [--windows-resources DIR]\n");
        return 2;
    }
    return WriteArt(options) && WriteSound(options) && WriteDesktopIcons(options) ? 0 : 1;
}
