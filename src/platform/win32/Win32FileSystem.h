// The file system of Windows, through its wide-character calls, so that any name works: a
// read opens only a file on a disk, a save's temporary file is held against deletion while
// it is written, and the rename over the old file is written through to the disk.
#pragma once

#include "platform/FileSystem.h"

class Win32FileSystem : public FileSystem {
public:
    std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path,
                                                        size_t maxBytes) override;
    FileIdentity Identify(const std::string& path) override;

    std::error_code CreateTemporary(std::string& path, FileHandle& file) override;
    std::error_code Write(FileHandle file, std::string_view bytes) override;
    std::error_code Sync(FileHandle file) override;
    std::error_code Close(FileHandle file) override;
    std::error_code Rename(const std::string& from, const std::string& to) override;
    // A rename is written through before it returns: there is nothing more to do.
    std::error_code SyncFolder(const std::string& folder) override;

    std::vector<std::string> ListFolder(const std::string& folder) override;
    void Remove(const std::string& path) override;
    void RemoveUnlessHeld(const std::string& path) override;
};
