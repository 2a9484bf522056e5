// Copying the generated bitmaps beside a test's game.
#include "support/GeneratedArt.h"

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

void CopyGeneratedArt(const fs::path& artFolder, const fs::path& destination) {
    for (const char* needed : {"absBack.bmp", "absTitle.bmp"}) {
        if (!fs::is_regular_file(artFolder / needed)) {
            throw std::runtime_error((artFolder / needed).string() +
                                     " is missing: build the pebblor_art target");
        }
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(artFolder)) {
        if (entry.is_regular_file() && entry.path().extension() == ".bmp") {
            fs::copy_file(entry.path(), destination / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
        }
    }
}

CurrentArtFolder::CurrentArtFolder(const fs::path& artFolder, const std::string& highScoreFile) {
    CopyGeneratedArt(artFolder, folder_.Path());
    if (!highScoreFile.empty()) {
        std::ofstream(folder_ / "hiscores.dat", std::ios::binary) << highScoreFile;
    }
    current_.emplace(folder_.Path());
}
