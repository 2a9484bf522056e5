// A recorded game: the state the starting click found, and every message the game handled
// after it, each with the number of frames that had run since the click.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "objects/SparkPools.h"
#include "platform/Messages.h"
#include "play/HighScores.h"

// The version of the text format this program writes and reads (docs/replay-format.md).
constexpr int kReplayFormatVersion = 1;
// About 38 hours of frames: a longer game is not kept, and a file claiming more is refused,
// so a damaged or made-up replay cannot keep a runner busy for days.
constexpr uint32_t kMostReplayFrames = 4'000'000;
// Far above what the longest game writes (a move a frame takes some 15 bytes).
constexpr size_t kMostReplayBytes = 64u << 20;

enum class ReplayEventKind : uint8_t {
    Down,        // left button pressed, at field coordinates a, b
    Move,        // mouse moved
    Up,          // left button released
    KeyDown,     // virtual key a
    KeyUp,       //
    Activate,    // a: 1 the window gained the focus, 0 it lost it
    Paint,       // the window was uncovered
    SoundSwitch  // the sound item of the menu was chosen
};

struct ReplayEvent {
    uint32_t frame = 0;  // frames run since the starting click
    ReplayEventKind kind = ReplayEventKind::Paint;
    int32_t a = 0;
    int32_t b = 0;
    bool operator==(const ReplayEvent&) const = default;
};

// A live spark of one of the ten pools, in the slot it occupies.
struct ReplaySpark {
    int32_t slot = 0;
    Spark spark;
};

struct ReplaySparkPool {
    int32_t lastSlot = 0;
    std::vector<ReplaySpark> sparks;  // by slot, ascending
};

// What play reads that a game's starting click does not reset, and what the runner's dump
// shows of the game before it was first changed.
struct ReplayStart {
    uint32_t clock = 0;  // the millisecond clock at the click: sounds are timed from it
    uint32_t randomState = 0;
    uint32_t gemSeed = 0;
    bool soundOn = true;
    int32_t soundPriority = 0;  // of the sound played last
    // Left by the game before until this one sets them.
    int32_t madeHighScore = 0;
    int32_t pendingShotKind = 0;
    int32_t dragAnchorY = 0;
    char initials[4] = {};
    HighScoreTable table{};
    std::array<ReplaySparkPool, kSparkPoolCount> sparkPools;
};

// What the game showed when the recording ended.
struct ReplayResult {
    int32_t score = 0;  // in units of ten points, as the table keeps it
    int32_t level = 0;  // counted from 0, as the table keeps it
    int32_t shotsFired = 0;
    int32_t madeHighScore = 0;
    bool operator==(const ReplayResult&) const = default;
};

struct Replay {
    std::string gameVersion;
    ReplayStart start;
    std::vector<ReplayEvent> events;  // by frame; the first is the starting click
    uint32_t frames = 0;              // frames run from the click to the end
    ReplayResult result;
};

// The window message an event stands for.
Message MessageOf(const ReplayEvent& event);

// "score 1234 level 5 shots 40 high-score 1", as the end line has it.
std::string DescribeResult(const ReplayResult& result);
