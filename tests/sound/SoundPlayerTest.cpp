// The sound channel's busy time at its edges, on a clock the test moves: a clip that takes
// time to start, Stop, sound off, the clock's wrap, no device, and the hit sounds' draws.
#include <gtest/gtest.h>

#include <vector>

#include "core/Random.h"
#include "platform/AudioDevice.h"
#include "platform/headless/ManualClock.h"
#include "sound/SoundPlayer.h"

namespace {

// Records what the player started; starting a clip may take clock time.
class RecordingDevice final : public AudioDevice {
public:
    explicit RecordingDevice(ManualClock& clock) : clock_(clock) {}
    void PlayClip(int id) override {
        played.push_back(id);
        clock_.Advance(startDelayMs);
    }
    void StopClip() override { ++stops; }

    std::vector<int> played;
    int stops = 0;
    uint32_t startDelayMs = 0;

private:
    ManualClock& clock_;
};

class SoundPlayerTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallClock(&clock);
        player.SetDevice(&device);
    }
    void TearDown() override { InstallClock(nullptr); }

    ManualClock clock{1000};
    RecordingDevice device{clock};
    SoundPlayer player;
};

using Played = std::vector<int>;

}  // namespace

TEST_F(SoundPlayerTest, BusyTimeCountsFromTheClockAfterTheClipStarted) {
    device.startDelayMs = 30;
    player.Play(168, 4, 800);
    EXPECT_EQ(player.busyUntil, 1000u + 30u + 800u);
    clock.Set(1829);
    player.Play(156, 1, 250);
    EXPECT_EQ(device.played, Played({168}));
}

TEST_F(SoundPlayerTest, StopFreesTheChannelAtOnceEvenWhileDisabled) {
    for (bool enabled : {true, false}) {
        device.played.clear();
        clock.Set(1000);
        player.enabled = true;
        player.Play(145, 5, 12000);
        player.enabled = enabled;
        clock.Set(3000);
        player.Stop();
        EXPECT_EQ(player.priority, 5);
        EXPECT_EQ(player.busyUntil, 3000u);
        player.enabled = true;
        player.Play(161, 1, 350);
        EXPECT_EQ(device.played, Played({145, 161}));
    }
    EXPECT_EQ(device.stops, 2);
}

TEST_F(SoundPlayerTest, DisabledPlaysNothingAndKeepsTheOldBusyTime) {
    player.Play(145, 5, 12000);
    player.enabled = false;
    clock.Set(5000);
    player.Play(157, 5, 4000);
    EXPECT_EQ(player.busyUntil, 13000u);
    player.enabled = true;
    player.Play(156, 1, 250);
    clock.Set(13000);
    player.Play(156, 1, 250);
    EXPECT_EQ(device.played, Played({145, 156}));
}

TEST_F(SoundPlayerTest, BusyTimeHoldsAcrossTheClockWrapButAnOldSoundNeverTurnsBusyAgain) {
    clock.Set(0xFFFFFF00u);
    player.Play(145, 5, 12000);
    EXPECT_EQ(player.busyUntil, 12000u - 256u);
    clock.Set(12000u - 257u);
    player.Play(156, 1, 250);
    EXPECT_EQ(device.played, Played({145}));
    clock.Set(12000u - 256u);
    player.Play(156, 1, 250);
    EXPECT_EQ(device.played, Played({145, 156}));

    player.Play(145, 5, 12000);
    clock.Advance(0x80000000u + 5000u);  // some 25 days on
    player.Play(156, 1, 250);
    EXPECT_EQ(device.played, Played({145, 156, 145, 156}));
}

TEST_F(SoundPlayerTest, WithoutADeviceTheDecisionsStillHold) {
    SoundPlayer silent;
    silent.Play(145, 5, 12000);
    EXPECT_EQ(silent.priority, 5);
    EXPECT_EQ(silent.busyUntil, 13000u);
    silent.Stop();
    EXPECT_EQ(silent.busyUntil, 1000u);
}

namespace {

// The global player, wired to a recording device for the test's length.
class HitSoundTest : public SoundPlayerTest {
protected:
    void SetUp() override {
        SoundPlayerTest::SetUp();
        soundPlayer.SetDevice(&device);
        soundPlayer.enabled = true;
        soundPlayer.Stop();
    }
    void TearDown() override {
        soundPlayer.SetDevice(nullptr);
        soundPlayer.enabled = true;
        SoundPlayerTest::TearDown();
    }
};

}  // namespace

TEST_F(HitSoundTest, DrawsFromRandomWhenSilencedOrOutranked) {
    soundPlayer.enabled = false;
    randomGenerator.Seed(1);
    PlayHitSound();
    soundPlayer.enabled = true;
    soundPlayer.Play(157, 5, 4000);
    clock.Advance(100);
    PlayHitSound();
    EXPECT_EQ(device.played, Played({157}));
    EXPECT_EQ(Random(), 6334);
}
