// The loaded art: every image the game has asked for, found again by the key of its name.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "core/ObjectList.h"

class ArtImage;

class ArtCache {
public:
    // The longest request that is read: 100 names within the first 1023 characters.
    static constexpr size_t kMaxNames = 100;
    static constexpr size_t kMaxRequestLength = 1023;

    // The image for one file name or several separated by white space, one frame per name
    // that loads, in order. A cached image is served without touching the disk; when no
    // name loads the result is null and nothing is cached, so a later request tries again.
    ArtImage* GetArt(const char* name);

    // Where the files of later requests are read: the folder, or the current directory
    // when it is empty. Images already cached stay as they are.
    void SetFolder(std::string folder) { folder_ = std::move(folder); }

private:
    // Owns the images.
    ObjectList images_;
    std::string folder_;
};
