// Reading and rewriting the recorded results.
#include "support/GoldenFile.h"

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

GoldenFile::GoldenFile(fs::path path) : path_(std::move(path)) {
    std::ifstream in(path_);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty()) continue;
        if (line[0] == '#') {
            comments_.push_back(line);
            continue;
        }
        std::istringstream fields(line);
        GoldenEntry entry;
        std::string rest;
        if (!(fields >> entry.name >> entry.step >> entry.hash) || (fields >> rest)) {
            throw std::runtime_error(path_.string() + ":" + std::to_string(number) +
                                     ": expected name, step and hash: " + line);
        }
        entries_.push_back(entry);
    }
}

const GoldenEntry* GoldenFile::Find(const std::string& name) const {
    for (const GoldenEntry& entry : entries_) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

bool GoldenFile::Rewrite(const std::vector<GoldenEntry>& entries) {
    std::ostringstream text;
    for (const std::string& comment : comments_) text << comment << '\n';
    for (const GoldenEntry& entry : entries) {
        text << entry.name << ' ' << entry.step << ' ' << entry.hash << '\n';
    }
    // Written beside the file and renamed over it, so a failed write leaves the old one.
    const fs::path fresh = path_.string() + ".new";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out << text.str();
        if (!out.flush()) return false;
    }
    std::error_code error;
    fs::rename(fresh, path_, error);
    if (error) return false;
    entries_ = entries;
    return true;
}

bool UpdatingGolden() {
    const char* value = std::getenv("PEBBLOR_UPDATE_GOLDEN");
    return value != nullptr && std::strcmp(value, "1") == 0;
}
