// Every sound the game plays: its clip, how important it is, and how long it counts as
// playing (which is what the player goes by, not the clip's real length).
#pragma once

#include <cstdint>

struct SoundEffect {
    int id;
    int32_t priority;
    uint32_t durationMs;
};

constexpr SoundEffect kTitleTuneSound{145, 5, 12000};
constexpr SoundEffect kWallBounceSound{156, 1, 250};
constexpr SoundEffect kGameOverSound{157, 5, 4000};
constexpr SoundEffect kBlastSound{159, 4, 3000};
constexpr SoundEffect kCapsuleCollectedSound{160, 2, 800};
constexpr SoundEffect kLaunchSound{161, 1, 350};
constexpr SoundEffect kHighScoreSound{162, 5, 2000};
constexpr SoundEffect kBigGemDestroyedSound{164, 3, 2000};
constexpr SoundEffect kFreezeSound{166, 2, 400};
constexpr SoundEffect kCapsuleEntersSound{167, 4, 160};
constexpr SoundEffect kSlideOutEntersSound{168, 4, 800};
constexpr SoundEffect kTimeWarpSound{169, 4, 2700};
// PlayHitSound picks one of the three hit clips.
constexpr int kHitSoundIds[3] = {173, 174, 175};
constexpr int32_t kHitSoundPriority = 2;
constexpr uint32_t kHitSoundMs = 800;
