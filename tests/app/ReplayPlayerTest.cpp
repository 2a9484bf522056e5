// A replay's focus changes reach the current mode as the recorded ones did, and stop no
// frame: the frame numbers already say when frames ran.
#include <gtest/gtest.h>

#include <vector>

#include "app/FrameDriver.h"
#include "app/ReplayPlayer.h"
#include "support/HeadlessGame.h"

namespace {

// Stands in for the play mode once the replay has started, to see what reaches the mode.
class WatchingMode : public GameMode {
public:
    WatchingMode() : GameMode(7, "TEST_MODE") {}
    intptr_t HandleMessage(Window&, uint32_t message, uintptr_t wParam, intptr_t) override {
        seen.push_back({message, wParam});
        return 0;
    }
    std::vector<std::pair<uint32_t, uintptr_t>> seen;
};

TEST(ReplayPlayer, PlaysFocusChangesBackToTheModeAndKeepsTheFramesRunning) {
    HeadlessGame game;
    windowInactive = 0;  // as an earlier test may have left it
    Replay replay;
    replay.events = {{0, ReplayEventKind::Down, 144, 300},
                     {0, ReplayEventKind::Up, 144, 300},
                     {1, ReplayEventKind::Activate, 0, 0},
                     {2, ReplayEventKind::Activate, 1, 0}};
    replay.frames = 3;
    ReplayPlayer player(replay, false);
    std::string error;
    ASSERT_TRUE(player.Start(game.window, error)) << error;
    GameMode* play = currentMode;
    WatchingMode watching;
    currentMode = &watching;
    player.FrameRan(game.window);
    EXPECT_EQ(windowInactive, 0) << "a replayed focus loss stopped the frames";
    player.FrameRan(game.window);
    currentMode = play;
    using Seen = std::pair<uint32_t, uintptr_t>;
    EXPECT_EQ(watching.seen,
              (std::vector<Seen>{{WM_ACTIVATE, WA_INACTIVE}, {WM_ACTIVATE, WA_ACTIVE}}));
}

}  // namespace
