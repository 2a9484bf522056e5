// Frames take nothing from the heap except the objects the rules spawn. The global
// operator new and delete are replaced by counting ones here, so this file is a test
// program of its own; an unexpected allocation is reported with its size and call stack.
#include <execinfo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <new>
#include <sstream>
#include <string>
#include <vector>

#include "StateDump.h"
#include "core/ObjectList.h"
#include "core/PlayRecord.h"
#include "platform/FieldGeometry.h"
#include "platform/display/WindowCanvas.h"
#include "play/PlayMode.h"
#include "support/AutoplayedGame.h"

namespace {

constexpr size_t kAddressesKept = 256;
constexpr size_t kStacksKept = 4;
constexpr int kStackDepth = 32;

struct Allocation {
    size_t size = 0;
    std::array<void*, kStackDepth> stack{};
    int depth = 0;
};

// What the counting operator new saw while counting was on. Kept in fixed arrays: the
// log itself must not allocate.
struct AllocationLog {
    bool counting = false;
    bool noting = false;  // set while a call stack is taken
    size_t count = 0;
    std::array<void*, kAddressesKept> addresses{};
    std::array<Allocation, kStacksKept> first{};
};
AllocationLog allocationLog;

void* Note(void* address, size_t size) {
    AllocationLog& log = allocationLog;
    if (address == nullptr || !log.counting || log.noting) return address;
    log.noting = true;
    if (log.count < kAddressesKept) log.addresses[log.count] = address;
    if (log.count < kStacksKept) {
        Allocation& a = log.first[log.count];
        a.size = size;
        a.depth = backtrace(a.stack.data(), kStackDepth);
    }
    ++log.count;
    log.noting = false;
    return address;
}

void* Allocate(size_t size) { return Note(std::malloc(size == 0 ? 1 : size), size); }

void* AllocateAligned(size_t size, std::align_val_t alignment) {
    void* address = nullptr;
    const size_t align = std::max(size_t(alignment), sizeof(void*));
    if (posix_memalign(&address, align, size == 0 ? 1 : size) != 0) address = nullptr;
    return Note(address, size);
}

void* AllocateOrThrow(void* address) {
    if (address == nullptr) throw std::bad_alloc();
    return address;
}

}  // namespace

void* operator new(size_t size) { return AllocateOrThrow(Allocate(size)); }
void* operator new[](size_t size) { return AllocateOrThrow(Allocate(size)); }
void* operator new(size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(size_t size, std::align_val_t a) {
    return AllocateOrThrow(AllocateAligned(size, a));
}
void* operator new[](size_t size, std::align_val_t a) {
    return AllocateOrThrow(AllocateAligned(size, a));
}
void* operator new(size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}
void* operator new[](size_t size, std::align_val_t a, const std::nothrow_t&) noexcept {
    return AllocateAligned(size, a);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

constexpr uint32_t kStartClock = 9000;
constexpr long kPlayFrames = PEBBLOR_ALLOCATION_FRAMES;
constexpr int kClipsPerFrameRoom = 256;

// One frame of the game with the allocations counted.
size_t CountedFrame(HeadlessGame& game) {
    // The recording sound device keeps what a frame plays in a vector: leave it room
    // enough that recording never allocates during a frame.
    for (int i = 0; i < kClipsPerFrameRoom; ++i) game.audio.PlayClip(0);
    game.audio.ClearPlayed();
    allocationLog.count = 0;
    allocationLog.counting = true;
    game.Frame();
    allocationLog.counting = false;
    return allocationLog.count;
}

// The sizes and call stacks of the frame's first allocations.
std::string DescribeAllocations() {
    std::ostringstream text;
    text << allocationLog.count << " allocation(s)";
    for (size_t i = 0; i < std::min(allocationLog.count, kStacksKept); ++i) {
        const Allocation& a = allocationLog.first[i];
        text << "\n#" << i << ": " << a.size << " bytes, from";
        char** frames = backtrace_symbols(a.stack.data(), a.depth);
        for (int f = 0; frames != nullptr && f < a.depth; ++f) text << "\n    " << frames[f];
        std::free(frames);
    }
    return text.str();
}

// Whether an object of `list` begins at `address`, the start of its whole object.
bool Listed(ObjectList& list, const void* address) {
    for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) {
        if (dynamic_cast<const void*>(o) == address) return true;
    }
    return false;
}

// How many of the frame's allocations became objects of the target or shot list: the
// objects it spawned. An address freed and given out again within the frame counts as
// the new object it now holds.
size_t SpawnedObjects() {
    size_t spawned = 0;
    for (size_t i = 0; i < std::min(allocationLog.count, kAddressesKept); ++i) {
        const void* address = allocationLog.addresses[i];
        if (Listed(targetList, address) || Listed(shotList, address)) ++spawned;
    }
    return spawned;
}

// Art is loaded on first request and decoded on first draw, once per process. A first run
// with the same clock and player draws every picture the measured second run draws, so in
// the second every allocation is a spawned object. The second run is recorded, as the
// desktop records every game, and goes exactly as the first, as every run from one clock does
// (the recorded runs hold the runner to that).
TEST(FrameAllocation, PlayFramesAllocateOnlyTheObjectsTheySpawn) {
    {
        AutoplayedGame autoplay(PEBBLOR_ART_FOLDER, kStartClock);
        for (long frame = 1; frame <= kPlayFrames; ++frame) {
            autoplay.Game().Frame();
            ASSERT_TRUE(autoplay.Game().Pump());
            ASSERT_TRUE(autoplay.Act());
        }
    }

    AutoplayedGame autoplay(PEBBLOR_ART_FOLDER, kStartClock);
    HeadlessGame& game = autoplay.Game();
    GameRecorder recorder;
    game.recorder = &recorder;
    std::array<long, 5> framesOfScreen{};
    long framesThatSpawned = 0;
    for (long frame = 1; frame <= kPlayFrames; ++frame) {
        const size_t allocations = CountedFrame(game);
        const size_t spawned = SpawnedObjects();
        const PlayMode& play = *CurrentPlayMode();
        ++framesOfScreen.at(size_t(play.screen));
        if (spawned > 0) {
            ++framesThatSpawned;
        } else {
            ASSERT_EQ(allocations, 0u)
                << "frame " << frame << " (screen " << int(play.screen) << ", screenTime "
                << play.screenTime << ") spawned nothing but made " << DescribeAllocations();
        }
        ASSERT_TRUE(game.Pump());
        ASSERT_TRUE(autoplay.Act());
    }
    // The run spawned plenty and went through every screen.
    EXPECT_GT(framesThatSpawned, 100);
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::Title)], 0);
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::Playing)], 0);
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::GameOver)], 0);
    EXPECT_GT(framesOfScreen[size_t(PlayScreen::Entry)], 0);
    EXPECT_TRUE(recorder.TakeFinished().has_value());
}

TEST(FrameAllocation, PresentingAtAnySizeAllocatesNothing) {
    for (const WindowLayout& layout :
         {WindowedLayout(PixelSize{506, 1032}), FullscreenLayout(PixelSize{1920, 1080})}) {
        WindowCanvas canvas;
        canvas.SetLayout(layout);
        Surface window(layout.window.width, layout.window.height);
        Surface backBuffer(kFieldWidth, kFieldHeight);
        std::vector<Rect> changed;
        changed.reserve(8);
        const Rect rects[] = {Rect{0, 0, kFieldWidth, kFieldHeight}, Rect{3, 7, 40, 41},
                              Rect{280, 570, 300, 600}};
        allocationLog.count = 0;
        allocationLog.counting = true;
        for (int frame = 0; frame < 3; ++frame) {
            canvas.Present(backBuffer, rects, nullptr, TargetOf(window), changed);
            canvas.Repaint(TargetOf(window), Rect{0, 0, 100, 100});
        }
        allocationLog.counting = false;
        EXPECT_EQ(allocationLog.count, 0u) << DescribeAllocations();
    }
}

}  // namespace
