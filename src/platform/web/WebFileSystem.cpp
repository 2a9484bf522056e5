// The player's files in localStorage, the program's own in the in-memory file system.
#include "platform/web/WebFileSystem.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/web/LocalStorage.h"

namespace {

const std::string kItemPrefix = "pebblor.file:";
const std::string kPlayerPrefix = std::string(kPlayerFolder) + "/";

// A file right inside the player's folder (the folder has no sub-folders).
bool InPlayerFolder(const std::string& path) {
    return path.size() > kPlayerPrefix.size() &&
           path.compare(0, kPlayerPrefix.size(), kPlayerPrefix) == 0 &&
           path.find('/', kPlayerPrefix.size()) == std::string::npos;
}

std::string ItemKey(const std::string& path) { return kItemPrefix + path; }

std::error_code Failure(std::errc code) { return std::make_error_code(code); }

// A program file's size; nothing when it is missing or not a regular file.
std::optional<uint64_t> ProgramFileSize(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0) {
        return std::nullopt;
    }
    return uint64_t(info.st_size);
}

}  // namespace

std::optional<std::vector<uint8_t>> WebFileSystem::ReadRegularFile(const std::string& path,
                                                                   size_t maxBytes) {
    if (InPlayerFolder(path)) {
        const std::optional<std::string> stored = ReadStoredItem(ItemKey(path));
        if (!stored || stored->size() > maxBytes) return std::nullopt;
        return std::vector<uint8_t>(stored->begin(), stored->end());
    }
    const std::optional<uint64_t> size = ProgramFileSize(path);
    if (!size || *size > maxBytes) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                               std::istreambuf_iterator<char>());
    if (file.bad() || bytes.size() > maxBytes) return std::nullopt;
    return bytes;
}

FileIdentity WebFileSystem::Identify(const std::string& path) {
    if (InPlayerFolder(path)) {
        const std::optional<std::string> stored = ReadStoredItem(ItemKey(path));
        if (!stored) return FileIdentity{};
        return FileIdentity{true, stored->size()};
    }
    const std::optional<uint64_t> size = ProgramFileSize(path);
    return size ? FileIdentity{true, *size} : FileIdentity{};
}

std::error_code WebFileSystem::CreateTemporary(std::string& path, FileHandle& file) {
    constexpr std::string_view kUnique = "XXXXXX";
    if (path.size() < kUnique.size() || !path.ends_with(kUnique)) {
        return Failure(std::errc::invalid_argument);
    }
    if (!InPlayerFolder(path)) return Failure(std::errc::read_only_file_system);
    // Six letters from the handle's number: unique among the drafts of this page.
    const FileHandle handle = nextHandle_++;
    uint64_t number = uint64_t(handle);
    for (size_t i = path.size() - kUnique.size(); i < path.size(); ++i) {
        path[i] = char('a' + number % 26);
        number /= 26;
    }
    drafts_[handle] = Draft{path, std::string()};
    file = handle;
    return {};
}

WebFileSystem::Draft* WebFileSystem::FindDraft(FileHandle file) {
    const auto found = drafts_.find(file);
    return found == drafts_.end() ? nullptr : &found->second;
}

std::map<FileHandle, WebFileSystem::Draft>::iterator WebFileSystem::FindDraft(
    const std::string& path) {
    auto found = drafts_.begin();
    while (found != drafts_.end() && found->second.path != path) ++found;
    return found;
}

std::error_code WebFileSystem::Write(FileHandle file, std::string_view bytes) {
    Draft* draft = FindDraft(file);
    if (draft == nullptr) return Failure(std::errc::bad_file_descriptor);
    draft->bytes.append(bytes);
    return {};
}

std::error_code WebFileSystem::Sync(FileHandle file) {
    return FindDraft(file) != nullptr ? std::error_code() : Failure(std::errc::bad_file_descriptor);
}

// The draft stays held until it is renamed or removed.
std::error_code WebFileSystem::Close(FileHandle file) { return Sync(file); }

std::error_code WebFileSystem::Rename(const std::string& from, const std::string& to) {
    if (!InPlayerFolder(to)) return Failure(std::errc::read_only_file_system);
    const auto draft = FindDraft(from);
    if (draft != drafts_.end()) {
        // Storing an item replaces it in one step.
        if (const std::error_code error = StoreItem(ItemKey(to), draft->second.bytes)) return error;
        drafts_.erase(draft);
        return {};
    }
    const std::optional<std::string> stored =
        InPlayerFolder(from) ? ReadStoredItem(ItemKey(from)) : std::nullopt;
    if (!stored) return Failure(std::errc::no_such_file_or_directory);
    if (const std::error_code error = StoreItem(ItemKey(to), *stored)) return error;
    RemoveStoredItem(ItemKey(from));
    return {};
}

// Every item is stored in one step: there is nothing to sync.
std::error_code WebFileSystem::SyncFolder(const std::string&) { return {}; }

// Only the player's folder is ever cleaned up; the program's files need no listing.
std::vector<std::string> WebFileSystem::ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    if (folder != kPlayerFolder) return names;
    for (const std::string& key : StoredKeysStartingWith(kItemPrefix + kPlayerPrefix)) {
        const std::string path = key.substr(kItemPrefix.size());
        if (InPlayerFolder(path)) names.push_back(path.substr(kPlayerPrefix.size()));
    }
    return names;
}

void WebFileSystem::Remove(const std::string& path) {
    const auto draft = FindDraft(path);
    if (draft != drafts_.end()) {
        drafts_.erase(draft);
    } else if (InPlayerFolder(path)) {
        RemoveStoredItem(ItemKey(path));
    }
}

void WebFileSystem::RemoveUnlessHeld(const std::string& path) {
    if (FindDraft(path) == drafts_.end() && InPlayerFolder(path)) RemoveStoredItem(ItemKey(path));
}

FileSystem& RealFileSystem() {
    static WebFileSystem system;
    return system;
}
