// A readable file of recorded results, one line per case: name, step, hash. Lines that
// begin with '#' are comments; they are kept when the file is rewritten.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct GoldenEntry {
    std::string name;
    long step = 0;
    std::string hash;
};

class GoldenFile {
public:
    // Reads the file; throws std::runtime_error naming a malformed line. A missing file
    // reads as empty.
    explicit GoldenFile(std::filesystem::path path);

    const std::vector<GoldenEntry>& Entries() const { return entries_; }
    // The entry of this name, or null.
    const GoldenEntry* Find(const std::string& name) const;
    // Writes the comments read and then `entries`, replacing the file as a whole; false
    // when it could not be written.
    bool Rewrite(const std::vector<GoldenEntry>& entries);

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::vector<std::string> comments_;
    std::vector<GoldenEntry> entries_;
};

// Whether the recorded results are to be rewritten instead of compared: the environment
// variable PEBBLOR_UPDATE_GOLDEN is "1".
bool UpdatingGolden();
