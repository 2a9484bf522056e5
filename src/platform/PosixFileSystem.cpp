// POSIX file calls. Files are opened without blocking and checked with fstat before a byte
// is read, so a FIFO or a device in place of a file costs nothing; a save's temporary file
// carries an exclusive lock for as long as the save runs.
#include "platform/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace {

// How much more is asked for when a file turns out longer than fstat said.
constexpr size_t kReadGrowth = 64 * 1024;

std::error_code LastError() { return std::error_code(errno, std::generic_category()); }

// Closes a descriptor at the end of the scope.
class OpenFile {
public:
    explicit OpenFile(int fd) : fd_(fd) {}
    ~OpenFile() {
        if (fd_ >= 0) close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int Get() const { return fd_; }

private:
    int fd_;
};

int64_t Nanoseconds(const timespec& time) {
    return int64_t(time.tv_sec) * 1000000000 + int64_t(time.tv_nsec);
}

const char* FolderName(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

}  // namespace

std::optional<std::vector<uint8_t>> PosixFileSystem::ReadRegularFile(const std::string& path,
                                                                     size_t maxBytes) {
    const OpenFile file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) return std::nullopt;
    struct stat info {};
    if (fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        uint64_t(info.st_size) > maxBytes) {
        return std::nullopt;
    }
    // The file may change while it is read: read to its end, but never more than the cap.
    // The one byte more shows at once that a file has grown.
    std::vector<uint8_t> bytes(size_t(info.st_size) + 1);
    size_t got = 0;
    for (;;) {
        if (got == bytes.size()) {
            if (got > maxBytes) return std::nullopt;
            bytes.resize(std::min(got + kReadGrowth, maxBytes + 1));
        }
        const ssize_t read = ::read(file.Get(), bytes.data() + got, bytes.size() - got);
        if (read < 0 && errno == EINTR) continue;
        if (read < 0) return std::nullopt;
        if (read == 0) break;
        got += size_t(read);
    }
    bytes.resize(got);
    return bytes;
}

FileIdentity PosixFileSystem::Identify(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return FileIdentity{};
    return FileIdentity{true,
                        uint64_t(info.st_size),
                        Nanoseconds(info.st_mtim),
                        Nanoseconds(info.st_ctim),
                        uint64_t(info.st_dev),
                        uint64_t(info.st_ino)};
}

std::error_code PosixFileSystem::CreateTemporary(std::string& path, FileHandle& file) {
    const int fd = mkostemp(path.data(), O_CLOEXEC);
    if (fd < 0) return LastError();
    // mkostemp makes the file private; the saved file should be as readable as any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    // Where locks are not supported the file is simply not protected from a cleaner.
    flock(fd, LOCK_EX | LOCK_NB);
    file = fd;
    return {};
}

std::error_code PosixFileSystem::Write(FileHandle file, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(int(file), bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno == EINTR) continue;
        if (put < 0) return LastError();
        if (put == 0) return std::make_error_code(std::errc::io_error);
        written += size_t(put);
    }
    return {};
}

std::error_code PosixFileSystem::Sync(FileHandle file) {
    return fsync(int(file)) == 0 ? std::error_code() : LastError();
}

std::error_code PosixFileSystem::Close(FileHandle file) {
    // After EINTR the descriptor is gone all the same; what was written is already synced.
    return close(int(file)) == 0 || errno == EINTR ? std::error_code() : LastError();
}

std::error_code PosixFileSystem::Rename(const std::string& from, const std::string& to) {
    return rename(from.c_str(), to.c_str()) == 0 ? std::error_code() : LastError();
}

std::error_code PosixFileSystem::SyncFolder(const std::string& folder) {
    const OpenFile directory(open(FolderName(folder), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0) return LastError();
    return fsync(directory.Get()) == 0 ? std::error_code() : LastError();
}

std::vector<std::string> PosixFileSystem::ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* directory = opendir(FolderName(folder));
    if (directory == nullptr) return names;
    while (const dirent* entry = readdir(directory)) names.emplace_back(entry->d_name);
    closedir(directory);
    return names;
}

void PosixFileSystem::Remove(const std::string& path) { unlink(path.c_str()); }

void PosixFileSystem::RemoveUnlessHeld(const std::string& path) {
    const OpenFile file(
        open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (file.Get() < 0 || fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    if (flock(file.Get(), LOCK_EX | LOCK_NB) == 0) unlink(path.c_str());
}

FileSystem& RealFileSystem() {
    static PosixFileSystem system;
    return system;
}
