// The running program's folder on Windows, from the module's own file name.
#include <filesystem>

#include "platform/ExecutableFolder.h"
#include "platform/Utf8Path.h"
#include "platform/win32/WindowsApi.h"

std::string ExecutableFolder() {
    // Long paths need more than MAX_PATH: grow until the whole name fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
        if (length == 0) return std::string();
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    const std::filesystem::path program(name);
    return program.is_absolute() ? Utf8FromPath(program.parent_path()) : std::string();
}
