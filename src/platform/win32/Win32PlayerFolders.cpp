// The player's folder on Windows: the game's folder in the roaming application data.
#include "platform/PlayerFolders.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

namespace {

// %APPDATA% as the environment gives it (so that it can be pointed elsewhere), else the
// known folder it stands for.
std::wstring RoamingAppData() {
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", nullptr, 0);
    if (length > 1) {
        std::wstring value(length, L'\0');
        const DWORD got = GetEnvironmentVariableW(L"APPDATA", value.data(), length);
        if (got > 0 && got < length) {
            value.resize(got);
            return value;
        }
    }
    PWSTR known = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, 0, nullptr, &known))) {
        folder = known;
    }
    CoTaskMemFree(known);
    return folder;
}

}  // namespace

std::string PlayerDataFolder() {
    const std::wstring base = RoamingAppData();
    return base.empty() ? std::string() : Utf8FromWide(base + L"\\Pebblor");
}

std::string PlayerFilesDescription() {
    return "The high score table and the replays are kept in %APPDATA%\\Pebblor, the settings in "
           "the registry\n"
           "under HKEY_CURRENT_USER\\Software\\Zorvane.\n";
}
