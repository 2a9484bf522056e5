// Atomic file replacement on a POSIX file system.
#include "platform/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

bool WriteWholeFile(int fd, std::string_view bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        written += size_t(put);
    }
    return true;
}

bool ReplaceFile(const std::string& path, std::string_view contents, const FileWriter& write) {
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) return false;
    // mkstemp makes the file private; the replacement should be as readable as any new file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, 0666 & ~mask);
    bool complete = write(fd, contents) && fsync(fd) == 0;
    complete = close(fd) == 0 && complete;
    if (complete && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    unlink(temporary.c_str());
    return false;
}
