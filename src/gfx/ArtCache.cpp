// The art cache: lookup by name key, loading the frames of a new request, and remembering
// the files of requests that gave nothing.
#include "gfx/ArtCache.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/ArtImage.h"
#include "gfx/NameKey.h"

namespace {

constexpr std::string_view kWhiteSpace = " \t\n\r\v\f";

// The file names of a request, in order: at most ArtCache::kMaxNames of them, and only
// those that end within the first ArtCache::kMaxRequestLength characters.
std::vector<std::string> SplitNames(const char* request) {
    const size_t limit = ArtCache::kMaxRequestLength;
    const size_t length = strnlen(request, limit + 1);
    const std::string_view text(request, std::min(length, limit));
    // A name that runs on past the limit is not read at all rather than read cut short.
    const bool lastNameCut = length > limit && kWhiteSpace.find(request[limit]) == kWhiteSpace.npos;
    std::vector<std::string> names;
    size_t at = 0;
    while (names.size() < ArtCache::kMaxNames) {
        const size_t start = text.find_first_not_of(kWhiteSpace, at);
        if (start == text.npos) break;
        size_t end = text.find_first_of(kWhiteSpace, start);
        if (end == text.npos) {
            if (lastNameCut) break;
            end = text.size();
        }
        names.emplace_back(text.substr(start, end - start));
        at = end;
    }
    return names;
}

// One frame for each file that loads, in order.
std::vector<DibFrame> LoadFrames(const std::vector<std::string>& paths, FileSystem& files) {
    std::vector<DibFrame> loaded;
    for (const std::string& path : paths) {
        DibFrame frame;
        if (frame.LoadFromFile(path.c_str(), files)) loaded.push_back(std::move(frame));
    }
    return loaded;
}

}  // namespace

ArtCache::ArtCache(FileSystem& files) : files_(files) {}

ArtImage* ArtCache::GetArt(const char* name) {
    if (name == nullptr) return nullptr;
    const uint32_t key = NameKey(name);
    for (NamedObject* item = images_.First(); item != nullptr; item = images_.Next()) {
        auto* image = static_cast<ArtImage*>(item);
        if (image->nameKey == key) return image;
    }

    const auto refused = std::find_if(refused_.begin(), refused_.end(),
                                      [key](const Refusal& r) { return r.nameKey == key; });
    if (refused != refused_.end() && frame_ - refused->lookedAtFrame < kFramesAMissStands) {
        return nullptr;
    }

    std::vector<std::string> paths = SplitNames(name);
    if (!folder_.empty()) {
        for (std::string& path : paths) path = folder_ + '/' + path;
    }
    std::vector<FileIdentity> identities;
    for (const std::string& path : paths) identities.push_back(files_.Identify(path));
    if (refused != refused_.end() && refused->files == identities) {
        refused->lookedAtFrame = frame_;
        return nullptr;
    }

    std::vector<DibFrame> loaded = LoadFrames(paths, files_);
    if (loaded.empty()) {
        if (refused == refused_.end()) {
            refused_.push_back(Refusal{key, std::move(identities), frame_});
        } else {
            refused->files = std::move(identities);
            refused->lookedAtFrame = frame_;
        }
        return nullptr;
    }
    if (refused != refused_.end()) refused_.erase(refused);
    const std::string_view keptName(name, strnlen(name, sizeof(ArtImage::name) - 1));
    auto image = std::make_unique<ArtImage>(key, keptName, std::move(loaded));
    if (images_.Add(image.get()) == nullptr) return nullptr;
    return image.release();
}
