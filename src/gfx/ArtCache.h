// The loaded art: every image the game has asked for, found again by the key of its name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/ObjectList.h"
#include "platform/FileSystem.h"

class ArtImage;

class ArtCache {
public:
    // The longest request that is read: 100 names within the first 1023 characters.
    static constexpr size_t kMaxNames = 100;
    static constexpr size_t kMaxRequestLength = 1023;

    // A request that gave nothing gives nothing again, without a look at the disk, until
    // this many frames (a second of play) have begun: the ball asks for its picture every
    // frame, and looking for a missing file is slow on some systems.
    static constexpr uint32_t kFramesAMissStands = 30;

    explicit ArtCache(FileSystem& files = RealFileSystem());

    // The image for one file name or several separated by white space, one frame per name
    // that loads, in order. A cached image is served without touching the disk. When no
    // name loads the result is null and nothing is cached, so a later request looks again
    // once the miss no longer stands; but the files are read again only once one of them
    // has changed (appeared, gone, or another size, time or file), so a large damaged
    // picture is not read every time.
    ArtImage* GetArt(const char* name);

    // A new frame of the game: counts towards looking again for what was missed.
    void BeginFrame() { ++frame_; }

    // Where the files of later requests are read: the folder, or the current directory
    // when it is empty. Images already cached stay as they are; what was missed is looked
    // for again there.
    void SetFolder(std::string folder) {
        folder_ = std::move(folder);
        refused_.clear();
    }

private:
    // A request none of whose files loaded, with what its files were when they were read,
    // and the frame they were last looked at.
    struct Refusal {
        uint32_t nameKey;
        std::vector<FileIdentity> files;
        uint32_t lookedAtFrame;
    };

    FileSystem& files_;
    // Owns the images.
    ObjectList images_;
    std::string folder_;
    std::vector<Refusal> refused_;
    // Frames begun so far; wraps around.
    uint32_t frame_ = 0;
};
