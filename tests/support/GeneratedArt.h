// Copies of the bitmaps the build generates, put where a game run looks for its pictures.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "gfx/TempDir.h"

// Copies every .bmp file of `artFolder` into `destination`. Throws std::runtime_error when
// the background or the title picture is missing there (the pebblor_art target makes them),
// so a run can never pass unnoticed with invisible objects.
void CopyGeneratedArt(const std::filesystem::path& artFolder,
                      const std::filesystem::path& destination);

// A fresh temporary folder holding copies of the bitmaps and, when given, a high score
// file; it is the current directory while it lives, so a game started in-process finds
// its art there and saves its table there. The previous directory comes back afterwards.
class CurrentArtFolder {
public:
    explicit CurrentArtFolder(const std::filesystem::path& artFolder,
                              const std::string& highScoreFile = "");

private:
    TempDir folder_;
    std::optional<CurrentDirectory> current_;
};
