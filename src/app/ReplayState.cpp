// The starting state: what play reads that a game's starting click leaves as it was.
#include "app/ReplayState.h"

#include <cstring>

#include "core/PlayRecord.h"
#include "core/Random.h"
#include "platform/Clock.h"
#include "play/PlayMode.h"
#include "sound/SoundPlayer.h"

ReplayStart CaptureReplayStart(const PlayMode& play) {
    ReplayStart start;
    start.clock = timeGetTime();
    start.randomState = randomGenerator.State();
    start.gemSeed = gemSeed;
    start.soundOn = soundPlayer.enabled;
    start.soundPriority = soundPlayer.priority;
    start.madeHighScore = play.madeHighScore;
    start.pendingShotKind = pendingShotKind;
    start.dragAnchorY = play.dragAnchorY;
    std::memcpy(start.initials, play.initials, sizeof start.initials);
    start.initials[3] = '\0';
    start.table = play.highScores;
    const auto pools = AllSparkPools();
    for (size_t i = 0; i < pools.size(); ++i) {
        const SparkPool* pool = pools[i].pool;
        if (pool == nullptr) continue;
        ReplaySparkPool& kept = start.sparkPools[i];
        kept.lastSlot = pool->lastSlot;
        const std::vector<Spark>& sparks = pool->Sparks();
        for (size_t slot = 0; slot < sparks.size(); ++slot) {
            if (sparks[slot].life > 0)
                kept.sparks.push_back(ReplaySpark{int32_t(slot), sparks[slot]});
        }
    }
    return start;
}

bool FitsSparkPools(const ReplayStart& start, std::string& error) {
    const auto pools = AllSparkPools();
    for (size_t i = 0; i < pools.size(); ++i) {
        const SparkPool* pool = pools[i].pool;
        const ReplaySparkPool& kept = start.sparkPools[i];
        const int32_t capacity = pool != nullptr ? pool->capacity : 0;
        const bool fits = kept.lastSlot < capacity || (kept.lastSlot == 0 && kept.sparks.empty());
        if (!fits || (!kept.sparks.empty() && kept.sparks.back().slot >= capacity)) {
            error = std::string("spark pool ") + std::to_string(i) + " (" + pools[i].name +
                    ") has " + std::to_string(capacity) + " slots, fewer than the replay uses";
            return false;
        }
    }
    return true;
}

void ApplyReplayStart(PlayMode& play, const ReplayStart& start, bool withSoundSwitch) {
    randomGenerator.Seed(start.randomState);
    gemSeed = start.gemSeed;
    if (withSoundSwitch) soundPlayer.enabled = start.soundOn;
    soundPlayer.priority = start.soundPriority;
    play.madeHighScore = start.madeHighScore;
    pendingShotKind = start.pendingShotKind;
    play.dragAnchorY = start.dragAnchorY;
    std::memcpy(play.initials, start.initials, sizeof play.initials);
    play.highScores = start.table;
    const auto pools = AllSparkPools();
    for (size_t i = 0; i < pools.size(); ++i) {
        SparkPool* pool = pools[i].pool;
        if (pool == nullptr) continue;
        pool->Clear();
        pool->lastSlot = start.sparkPools[i].lastSlot;
        for (const ReplaySpark& live : start.sparkPools[i].sparks)
            pool->Place(live.slot, live.spark);
    }
}

ReplayResult ResultOf(const PlayMode& play) {
    return ReplayResult{play.score, play.level, shotsFired, play.madeHighScore};
}
