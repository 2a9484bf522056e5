// Atomic file replacement through a temporary file of a recognisable name.
#include "platform/FileReplacement.h"

#include <algorithm>
#include <filesystem>

#include "platform/Utf8Path.h"

namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
constexpr size_t kUniqueLength = 6;

bool IsLetterOrDigit(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The folder of a path ("" for the current one) and the name in it.
struct Place {
    std::string folder;
    std::string name;

    std::string PathOf(const std::string& entry) const {
        return folder.empty() ? entry : Utf8FromPath(PathFromUtf8(folder) / PathFromUtf8(entry));
    }
};

Place PlaceOf(const std::string& path) {
    const std::filesystem::path whole = PathFromUtf8(path);
    return Place{Utf8FromPath(whole.parent_path()), Utf8FromPath(whole.filename())};
}

}  // namespace

bool IsTemporaryOf(std::string_view name, std::string_view target) {
    const size_t prefix = 1 + target.size() + kTemporaryMark.size();
    if (target.empty() || name.size() != prefix + kUniqueLength || name[0] != '.' ||
        name.substr(1, target.size()) != target ||
        name.substr(1 + target.size(), kTemporaryMark.size()) != kTemporaryMark) {
        return false;
    }
    const std::string_view unique = name.substr(prefix);
    return std::all_of(unique.begin(), unique.end(), IsLetterOrDigit);
}

void RemoveStaleTemporaries(const std::string& path, FileSystem& files) {
    const Place place = PlaceOf(path);
    for (const std::string& entry : files.ListFolder(place.folder)) {
        if (IsTemporaryOf(entry, place.name)) files.RemoveUnlessHeld(place.PathOf(entry));
    }
}

std::error_code ReplaceFile(const std::string& path, std::string_view contents, FileSystem& files) {
    RemoveStaleTemporaries(path, files);
    const Place place = PlaceOf(path);
    std::string temporary = place.PathOf("." + place.name + std::string(kTemporaryMark) +
                                         std::string(kUniqueLength, 'X'));
    FileHandle file{};
    if (const std::error_code error = files.CreateTemporary(temporary, file)) return error;
    std::error_code error = files.Write(file, contents);
    if (!error) error = files.Sync(file);
    const std::error_code closed = files.Close(file);
    if (!error) error = closed;
    if (!error) error = files.Rename(temporary, path);
    if (error) {
        files.Remove(temporary);
        return error;
    }
    return files.SyncFolder(place.folder);
}
