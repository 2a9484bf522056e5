// Things that are no readable regular file, put where the game looks for one of its files.
#pragma once

#include <array>
#include <filesystem>
#include <ostream>
#include <string>

struct HostileFile {
    const char* name;
    // Puts the thing at path. `contents` is what a readable file there would hold, so that
    // a read that wrongly gets through shows in the result.
    void (*make)(const std::filesystem::path& path, const std::string& contents);
};
inline void PrintTo(const HostileFile& file, std::ostream* out) { *out << file.name; }

// A FIFO, a folder, a link to /dev/zero, a 1 GiB sparse file that begins with the contents,
// and a file of the contents that nobody may read.
extern const std::array<HostileFile, 5> kHostileFiles;

// Whether this process is kept from reading a file by its mode: root is not.
bool ModesStopReading();
