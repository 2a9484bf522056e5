// Windows file calls. A file being saved is opened without FILE_SHARE_DELETE, so nobody can
// delete it until the save closes it; the game's reads share everything, so they never stand
// in the way of a save's rename.
#include "platform/win32/Win32FileSystem.h"

#include <algorithm>
#include <limits>
#include <random>

#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

namespace {

// How much more is asked for when a file turns out longer than its size said.
constexpr size_t kReadGrowth = 64 * 1024;
constexpr size_t kUniqueLength = 6;
constexpr int kTemporaryAttempts = 100;
// A file that a virus scanner or an indexer has open for a moment refuses a rename; it is
// tried again this many times, this many milliseconds apart.
constexpr int kRenameAttempts = 5;
constexpr DWORD kRenameRetryMs = 20;
// 100-nanosecond units between 1601 and 1970.
constexpr int64_t kUnixEpochIn100Ns = 116444736000000000LL;

std::error_code LastError() { return std::error_code(int(GetLastError()), std::system_category()); }

HANDLE HandleOf(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

// Closes a handle at the end of the scope.
class OpenHandle {
public:
    explicit OpenHandle(HANDLE handle) : handle_(handle) {}
    ~OpenHandle() {
        if (IsOpen()) CloseHandle(handle_);
    }
    OpenHandle(const OpenHandle&) = delete;
    OpenHandle& operator=(const OpenHandle&) = delete;
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

HANDLE OpenShared(const std::string& path, DWORD access, DWORD flags) {
    return CreateFileW(WideFromUtf8(path).c_str(), access,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, flags, nullptr);
}

// Nanoseconds since 1970 of a time in 100-nanosecond units since 1601, saturated.
int64_t UnixNanoseconds(uint64_t ticks) {
    constexpr int64_t kMost = std::numeric_limits<int64_t>::max() / 100;
    const int64_t since =
        int64_t(std::min<uint64_t>(ticks, uint64_t(std::numeric_limits<int64_t>::max()))) -
        kUnixEpochIn100Ns;
    return std::clamp(since, -kMost, kMost) * 100;
}

int64_t UnixNanoseconds(const FILETIME& time) {
    return UnixNanoseconds((uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime);
}

int64_t UnixNanoseconds(const LARGE_INTEGER& time) {
    return UnixNanoseconds(uint64_t(std::max<LONGLONG>(time.QuadPart, 0)));
}

// The temporary's name: its pattern's trailing X's replaced by letters and digits.
void FillUnique(std::string& path, std::random_device& random) {
    static constexpr char kAlphabet[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (size_t i = path.size() - kUniqueLength; i < path.size(); ++i) {
        path[i] = kAlphabet[random() % (sizeof kAlphabet - 1)];
    }
}

bool EndsWithPattern(const std::string& path) {
    return path.size() >= kUniqueLength &&
           std::all_of(path.end() - kUniqueLength, path.end(), [](char c) { return c == 'X'; });
}

}  // namespace

std::optional<std::vector<uint8_t>> Win32FileSystem::ReadRegularFile(const std::string& path,
                                                                     size_t maxBytes) {
    const OpenHandle file(OpenShared(path, GENERIC_READ, FILE_ATTRIBUTE_NORMAL));
    if (!file.IsOpen() || GetFileType(file.Get()) != FILE_TYPE_DISK) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    LARGE_INTEGER size{};
    if (!GetFileInformationByHandle(file.Get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        !GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 ||
        uint64_t(size.QuadPart) > maxBytes) {
        return std::nullopt;
    }
    // The file may change while it is read: read to its end, but never more than the cap.
    // The one byte more shows at once that a file has grown.
    std::vector<uint8_t> bytes(size_t(size.QuadPart) + 1);
    size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes) return std::nullopt;
            bytes.resize(std::min(got + kReadGrowth, maxBytes + 1));
        }
        const DWORD wanted = DWORD(std::min<size_t>(bytes.size() - got, MAXDWORD));
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + got, wanted, &read, nullptr)) return std::nullopt;
        if (read == 0) break;
        got += read;
    }
    bytes.resize(got);
    return bytes;
}

FileIdentity Win32FileSystem::Identify(const std::string& path) {
    // A missing file costs an attribute query, not a failed open: a missing picture is looked
    // for on every request.
    WIN32_FILE_ATTRIBUTE_DATA attributes{};
    if (!GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &attributes)) {
        return FileIdentity{};
    }
    const OpenHandle file(OpenShared(path, FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS));
    BY_HANDLE_FILE_INFORMATION info{};
    if (!file.IsOpen() || !GetFileInformationByHandle(file.Get(), &info)) return FileIdentity{};
    FILE_BASIC_INFO times{};
    const int64_t changed =
        GetFileInformationByHandleEx(file.Get(), FileBasicInfo, &times, sizeof times)
            ? UnixNanoseconds(times.ChangeTime)
            : UnixNanoseconds(info.ftLastWriteTime);
    return FileIdentity{true,
                        (uint64_t(info.nFileSizeHigh) << 32) | info.nFileSizeLow,
                        UnixNanoseconds(info.ftLastWriteTime),
                        changed,
                        info.dwVolumeSerialNumber,
                        (uint64_t(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

std::error_code Win32FileSystem::CreateTemporary(std::string& path, FileHandle& file) {
    if (!EndsWithPattern(path)) return std::make_error_code(std::errc::invalid_argument);
    std::random_device random;
    for (int attempt = 0; attempt < kTemporaryAttempts; ++attempt) {
        FillUnique(path, random);
        const HANDLE created =
            CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                        CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created != INVALID_HANDLE_VALUE) {
            file = reinterpret_cast<FileHandle>(created);
            return {};
        }
        if (GetLastError() != ERROR_FILE_EXISTS) return LastError();
    }
    return std::make_error_code(std::errc::file_exists);
}

std::error_code Win32FileSystem::Write(FileHandle file, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD wanted = DWORD(std::min<size_t>(bytes.size() - written, MAXDWORD));
        DWORD put = 0;
        if (!WriteFile(HandleOf(file), bytes.data() + written, wanted, &put, nullptr)) {
            return LastError();
        }
        if (put == 0) return std::make_error_code(std::errc::io_error);
        written += put;
    }
    return {};
}

std::error_code Win32FileSystem::Sync(FileHandle file) {
    return FlushFileBuffers(HandleOf(file)) ? std::error_code() : LastError();
}

std::error_code Win32FileSystem::Close(FileHandle file) {
    return CloseHandle(HandleOf(file)) ? std::error_code() : LastError();
}

std::error_code Win32FileSystem::Rename(const std::string& from, const std::string& to) {
    const std::wstring source = WideFromUtf8(from);
    const std::wstring target = WideFromUtf8(to);
    for (int attempt = 1;; ++attempt) {
        if (MoveFileExW(source.c_str(), target.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return {};
        }
        const DWORD error = GetLastError();
        const bool briefly = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED;
        if (!briefly || attempt == kRenameAttempts) {
            return std::error_code(int(error), std::system_category());
        }
        Sleep(kRenameRetryMs);
    }
}

std::error_code Win32FileSystem::SyncFolder(const std::string&) { return {}; }

std::vector<std::string> Win32FileSystem::ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    const std::wstring pattern = WideFromUtf8(folder.empty() ? "." : folder) + L"\\*";
    WIN32_FIND_DATAW entry{};
    const HANDLE search = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(Utf8FromWide(entry.cFileName));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    return names;
}

void Win32FileSystem::Remove(const std::string& path) { DeleteFileW(WideFromUtf8(path).c_str()); }

void Win32FileSystem::RemoveUnlessHeld(const std::string& path) {
    // Only a plain file: never a folder, nor a link that leads elsewhere. A file a running
    // save holds refuses the deletion.
    const std::wstring name = WideFromUtf8(path);
    const DWORD attributes = GetFileAttributesW(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        return;
    }
    DeleteFileW(name.c_str());
}

FileSystem& RealFileSystem() {
    static Win32FileSystem system;
    return system;
}
