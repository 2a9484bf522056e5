// Frame pacing: frames only when no message waits, more than 33 ms apart, never while the
// window is inactive; the loop waits instead of spinning.
#include <gtest/gtest.h>

#include <vector>

#include "app/MessageLoop.h"
#include "support/HeadlessGame.h"

namespace {

TEST(FramePacing, ThirtyThreeMillisecondsIsTooSoonThirtyFourIsNot) {
    EXPECT_FALSE(FrameDue(1000, 1033));
    EXPECT_TRUE(FrameDue(1000, 1034));
    EXPECT_TRUE(FrameDue(0, 20));  // the clock's first 33 ms wrap below zero
    EXPECT_FALSE(FrameDue(0xFFFFFFF0u, 0xFFFFFFF0u + 33));
}

class MessageLoopTest : public ::testing::Test {
protected:
    HeadlessGame game{5000};
    std::vector<uint32_t> waits;
};

TEST_F(MessageLoopTest, WaitsUntilTheNextFrameIsDueAndNeverSpins) {
    int presents = 0;
    game.window.SetWaitHook([&](uint32_t timeout) {
        waits.push_back(timeout);
        presents = game.window.PresentCount();
        if (presents >= 4) game.window.Post(Message{WM_CLOSE, 0, 0});
        game.clock.Advance(timeout);
    });
    EXPECT_EQ(RunMessageLoop(game.window), 0);
    EXPECT_EQ(game.window.PresentCount(), 4);
    // One wait between frames, each until the frame is due.
    ASSERT_GE(waits.size(), 3u);
    EXPECT_EQ(waits[0], 34u);
    EXPECT_EQ(waits[1], 34u);
}

TEST_F(MessageLoopTest, NoFrameWhileMessagesWaitOrTheWindowIsInactive) {
    int waitsSeen = 0;
    game.window.SetWaitHook([&](uint32_t timeout) {
        ++waitsSeen;
        if (waitsSeen == 1) {
            // A steady stream of messages: no frame runs while it lasts.
            for (int i = 0; i < 50; ++i) game.window.Post(Message{WM_MOUSEMOVE, 0, 0});
            game.window.Post(Message{WM_ACTIVATE, WA_INACTIVE, 0});
            game.clock.Advance(1000);
        } else if (waitsSeen == 2) {
            EXPECT_EQ(timeout, 1000u);  // inactive: nothing is due
            game.clock.Advance(timeout);
            game.window.Post(Message{WM_CLOSE, 0, 0});
        }
    });
    EXPECT_EQ(RunMessageLoop(game.window), 0);
    EXPECT_EQ(game.window.PresentCount(), 1);
}

}  // namespace
