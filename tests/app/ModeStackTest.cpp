// Mode transitions, their failure boxes, and the keys that freeze play.
#include <gtest/gtest.h>

#include "app/FrameDriver.h"
#include "app/WindowProcedure.h"
#include "core/PauseState.h"
#include "support/HeadlessGame.h"

namespace {

struct ModeLog {
    int activated = 0;
    int deactivated = 0;
    int messages = 0;
    int destroyed = 0;
};

class LoggingMode : public GameMode {
public:
    explicit LoggingMode(ModeLog& log) : GameMode(7, "TEST_MODE"), log_(log) {}
    ~LoggingMode() override { ++log_.destroyed; }
    void Activate() override { ++log_.activated; }
    void Deactivate() override { ++log_.deactivated; }
    intptr_t HandleMessage(Window&, uint32_t, uintptr_t, intptr_t) override {
        ++log_.messages;
        return 0;
    }

private:
    ModeLog& log_;
};

class ModeStackTest : public ::testing::Test {
protected:
    // Puts a logging mode on top of the play mode and makes it current.
    LoggingMode* PushLoggingMode() {
        auto* mode = new LoggingMode(log);
        modeStack.Push(mode);
        currentMode = mode;
        return mode;
    }
    HeadlessGame game;
    ModeLog log;
};

// Each recorded run is a fresh process; here a game starts after one left play paused mid-step.
TEST(GameStart, ClearsThePauseAndStepsAnEarlierGameLeft) {
    paused = 1;
    stepFrames = 2;
    HeadlessGame game;
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(stepFrames, 0);
}

TEST_F(ModeStackTest, PushWithoutANextModeEndsTheProgramWithABox) {
    LoggingMode* mode = PushLoggingMode();
    mode->transition = kTransitionPush;
    ApplyModeTransition(game.window);
    ASSERT_EQ(game.window.Boxes().size(), 1u);
    EXPECT_EQ(game.window.Boxes()[0].caption, "Game Failure");
    EXPECT_EQ(game.window.Boxes()[0].text, "No new game mode; expected one!");
    EXPECT_TRUE(game.window.IsDestroyed());
    EXPECT_FALSE(game.Pump());  // WM_QUIT is waiting
    // The mode stays, is made current again and activated.
    EXPECT_EQ(currentMode, mode);
    EXPECT_EQ(log.deactivated, 1);
    EXPECT_EQ(log.activated, 1);
    EXPECT_EQ(mode->transition, kTransitionNone);
}

TEST_F(ModeStackTest, PopOfTheLastModeEndsTheProgramAndNothingReachesIt) {
    // Leave the logging mode alone on the stack.
    delete modeStack.Pop();
    LoggingMode* mode = PushLoggingMode();
    mode->transition = kTransitionPop;
    ApplyModeTransition(game.window);
    EXPECT_EQ(log.deactivated, 1);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(currentMode, nullptr);
    ASSERT_EQ(game.window.Boxes().size(), 1u);
    EXPECT_EQ(game.window.Boxes()[0].text, "No game mode on stack; expected one!");
    // Frames and messages now do nothing; a deleted mode would show up in the sanitizer.
    frameDriver->RunFrame();
    EXPECT_EQ(GameWindowProcedure(game.window, WM_MOUSEMOVE, 0, 0), 0);
    EXPECT_EQ(log.messages, 0);
}

TEST_F(ModeStackTest, PopReturnsToTheModeBelow) {
    GameMode* play = currentMode;
    LoggingMode* mode = PushLoggingMode();
    mode->transition = kTransitionPop;
    game.window.Send(WM_MOUSEMOVE);  // the transition runs right after the message
    EXPECT_EQ(log.messages, 1);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(currentMode, play);
    EXPECT_TRUE(game.window.Boxes().empty());
    // The whole field is marked for the next frame.
    for (const TileRect& t : dirtyRects.tiles[dirtyRects.current]) {
        EXPECT_EQ(t, (TileRect{0, 0, 32, 32}));
    }
}

TEST_F(ModeStackTest, ShutDownDeactivatesOnlyTheTopAndDeletesEveryMode) {
    PushLoggingMode();
    game.session.reset();
    EXPECT_EQ(log.deactivated, 1);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(modeStack.Top(), nullptr);
    EXPECT_EQ(currentMode, nullptr);
}

TEST_F(ModeStackTest, PauseKeysToggleOnReleaseOnly) {
    PushLoggingMode();  // a mode that types no text: P pauses
    for (uintptr_t key : {uintptr_t(VK_ESCAPE), uintptr_t(VK_PAUSE), uintptr_t('P')}) {
        const int before = paused;
        game.Send(WM_KEYDOWN, key);
        game.Send(WM_KEYDOWN, key);  // auto-repeat
        EXPECT_EQ(paused, before);
        game.Send(WM_KEYUP, key);
        EXPECT_EQ(paused, 1 - before);
    }
    const int before = paused;
    game.Send(WM_KEYUP, 'Q');
    EXPECT_EQ(paused, before);
}

}  // namespace
