// The page's files. The player's folder, kPlayerFolder, lives in localStorage, one item a
// file ("pebblor.file:" + path); a file being saved stays in memory until it is renamed into
// place, so the storage only ever holds whole files. Every other path names the program's
// own files, read-only: the pictures the page preloaded into emscripten's in-memory files.
#pragma once

#include <map>

#include "platform/FileSystem.h"

// The player's folder: the high score table goes there.
inline constexpr const char* kPlayerFolder = "/player";

class WebFileSystem final : public FileSystem {
public:
    std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path,
                                                        size_t maxBytes) override;
    FileIdentity Identify(const std::string& path) override;

    std::error_code CreateTemporary(std::string& path, FileHandle& file) override;
    std::error_code Write(FileHandle file, std::string_view bytes) override;
    std::error_code Sync(FileHandle file) override;
    std::error_code Close(FileHandle file) override;
    std::error_code Rename(const std::string& from, const std::string& to) override;
    std::error_code SyncFolder(const std::string& folder) override;

    std::vector<std::string> ListFolder(const std::string& folder) override;
    void Remove(const std::string& path) override;
    void RemoveUnlessHeld(const std::string& path) override;

private:
    // A file being saved: held, in memory, until renamed into place or removed.
    struct Draft {
        std::string path;
        std::string bytes;
    };
    Draft* FindDraft(FileHandle file);
    std::map<FileHandle, Draft>::iterator FindDraft(const std::string& path);

    std::map<FileHandle, Draft> drafts_;
    FileHandle nextHandle_ = 1;
};
