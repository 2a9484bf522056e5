// Priority and busy-time decisions for the single sound channel.
#include "sound/SoundPlayer.h"

#include "core/Random.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"

SoundPlayer soundPlayer;

bool SoundPlayer::IsBusy(uint32_t now) const {
    // Time since the last sound began, in wrapping arithmetic: right across the clock's wrap.
    const uint32_t startedAt = busyUntil - busyFor_;
    return now - startedAt < busyFor_;
}

void SoundPlayer::Play(int id, int32_t newPriority, uint32_t durationMs) {
    if (!enabled) return;
    if (newPriority < priority && IsBusy(timeGetTime())) return;
    // A clip the device does not have plays as silence but still takes the channel.
    if (device_ != nullptr) device_->PlayClip(id);
    priority = newPriority;
    busyUntil = timeGetTime() + durationMs;
    busyFor_ = durationMs;
}

void SoundPlayer::Stop() {
    if (device_ != nullptr) device_->StopClip();
    busyUntil = timeGetTime();
    busyFor_ = 0;
}

void PlayHitSound() {
    soundPlayer.Play(kHitSoundIds[Random() % 3], kHitSoundPriority, kHitSoundMs);
}
