// Finding font files for a face name through fontconfig.
#pragma once

#include <string>
#include <vector>

struct FontFile {
    std::string path;
    int index = 0;  // the face within a collection file
};

// The installed font files in fontconfig's order of preference for `face` (best first):
// the face itself or its metric-compatible stand-in, then ever looser matches. The Wine
// fonts folder, which fontconfig does not search by itself, is added once, if it exists.
std::vector<FontFile> FindFontFiles(const std::string& face);
