// Making the hostile files.
#include "support/HostileFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

void Write(const fs::path& path, const std::string& contents) {
    std::ofstream(path, std::ios::binary) << contents;
}

void MakeFifo(const fs::path& path, const std::string&) {
    if (mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("no FIFO at " + path.string());
}

void MakeFolder(const fs::path& path, const std::string&) { fs::create_directory(path); }

void MakeDevZeroLink(const fs::path& path, const std::string&) {
    fs::create_symlink("/dev/zero", path);
}

void MakeSparseGigabyte(const fs::path& path, const std::string& contents) {
    Write(path, contents);
    fs::resize_file(path, uintmax_t(1) << 30);
}

void MakeUnreadable(const fs::path& path, const std::string& contents) {
    Write(path, contents);
    fs::permissions(path, fs::perms::none);
}

}  // namespace

const std::array<HostileFile, 5> kHostileFiles = {{
    {"Fifo", MakeFifo},
    {"Folder", MakeFolder},
    {"LinkToDevZero", MakeDevZeroLink},
    {"SparseGigabyte", MakeSparseGigabyte},
    {"Unreadable", MakeUnreadable},
}};

bool ModesStopReading() { return geteuid() != 0; }
