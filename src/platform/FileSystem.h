// The file calls behind the game's loads and saves, as one interface: a backend per system
// implements it, and tests put one in whose chosen call fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

// What tells one version of a file from another without reading it. Equal identities mean
// nothing visible has changed; a missing file has the identity of every other missing file.
struct FileIdentity {
    bool exists = false;
    uint64_t size = 0;
    int64_t modifiedNs = 0;
    int64_t changedNs = 0;  // when its name, size or attributes last changed, where known
    uint64_t device = 0;    // device and file number, where the system has them
    uint64_t fileNumber = 0;

    bool operator==(const FileIdentity&) const = default;
};

// An open file being written.
using FileHandle = intptr_t;

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The bytes of path when it is a regular file of at most maxBytes; nothing when it is
    // missing, unreadable, larger, or anything but a regular file (a folder, a FIFO, a
    // device). Never blocks on what it opens.
    virtual std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path,
                                                                size_t maxBytes) = 0;
    virtual FileIdentity Identify(const std::string& path) = 0;

    // The steps of a save. CreateTemporary makes a new file whose name is `path` with its
    // trailing "XXXXXX" replaced (path is updated), readable as any new file, and held so
    // that RemoveUnlessHeld leaves it alone while it is open.
    virtual std::error_code CreateTemporary(std::string& path, FileHandle& file) = 0;
    // Writes all of bytes.
    virtual std::error_code Write(FileHandle file, std::string_view bytes) = 0;
    // Makes what was written survive a power cut.
    virtual std::error_code Sync(FileHandle file) = 0;
    virtual std::error_code Close(FileHandle file) = 0;
    // Puts from in the place of to, in one step.
    virtual std::error_code Rename(const std::string& from, const std::string& to) = 0;
    // Makes the folder's entries (a rename into it) survive a power cut.
    virtual std::error_code SyncFolder(const std::string& folder) = 0;

    // Housekeeping: the names in a folder, and removals that may quietly fail.
    virtual std::vector<std::string> ListFolder(const std::string& folder) = 0;
    virtual void Remove(const std::string& path) = 0;
    // Removes a regular file unless a running save holds it.
    virtual void RemoveUnlessHeld(const std::string& path) = 0;
};

// The file system of the system the game runs on.
FileSystem& RealFileSystem();
