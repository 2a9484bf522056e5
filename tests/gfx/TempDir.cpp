// Temporary directories for the file tests.
#include "TempDir.h"

#include <unistd.h>

#include <string>

TempDir::TempDir() {
    static int serial = 0;
    const std::string name =
        "pebblor-art-" + std::to_string(getpid()) + "-" + std::to_string(++serial);
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

CurrentDirectory::CurrentDirectory(const std::filesystem::path& path)
    : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
}

CurrentDirectory::~CurrentDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
}
