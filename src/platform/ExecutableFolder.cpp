// The running program's folder on Linux, through the /proc link to its file.
#include "platform/ExecutableFolder.h"

#include <filesystem>

std::string ExecutableFolder() {
    std::error_code failure;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failure);
    if (failure || !program.is_absolute()) return std::string();
    return program.parent_path().string();
}
