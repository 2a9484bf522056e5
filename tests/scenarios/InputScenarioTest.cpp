// The slingshot drag through the headless runner: the ball follows the mouse's movement
// from where the button went down, never above y = 300, and positions left of the window
// count by their true distance; pausing freezes play but not the drag.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

// A game starts at step 1; its first ball rests from step 2 and can be dragged from step 3.
const std::string kGameWithBall = "1 down 100 100\n1 up 100 100\n";

struct Point {
    float x, y;
};

Point BallAt(const SimScenario& scenario, long step) {
    const JsonValue state = scenario.At(step);
    const JsonValue* ball = SlingshotBall(state);
    if (ball == nullptr) throw std::runtime_error("no ball in the slingshot");
    return {float((*ball)["x"].number), float((*ball)["y"].number)};
}

TEST(InputScenario, TheBallFollowsTheMouseFromWhereTheButtonWentDown) {
    SimScenario scenario;
    scenario.script = kGameWithBall +
                      "3 down 100 100\n"
                      "4 move 150 140   # 50 right, 40 down\n";
    const Point ball = BallAt(scenario, 4);
    EXPECT_FLOAT_EQ(ball.x, 194.0f);
    EXPECT_FLOAT_EQ(ball.y, 500.8f);
}

TEST(InputScenario, ThePullStopsAtYThreeHundred) {
    SimScenario scenario;
    scenario.script = kGameWithBall +
                      "3 down 100 300\n"
                      "4 move 100 100   # 200 up\n";
    const Point ball = BallAt(scenario, 4);
    EXPECT_FLOAT_EQ(ball.x, 144.0f);
    EXPECT_FLOAT_EQ(ball.y, 300.0f);
}

TEST(InputScenario, PositionsLeftOfAndAboveTheWindowCountByTheirTrueDistance) {
    SimScenario scenario;
    scenario.script = kGameWithBall +
                      "3 down 100 0\n"
                      "4 move -20 40    # left of the window: 120 left, 40 down\n"
                      "5 move 100 -40   # above the window: 40 up\n";
    const Point left = BallAt(scenario, 4);
    EXPECT_FLOAT_EQ(left.x, 24.0f);
    EXPECT_FLOAT_EQ(left.y, 500.8f);
    const Point above = BallAt(scenario, 5);
    EXPECT_FLOAT_EQ(above.x, 144.0f);
    EXPECT_FLOAT_EQ(above.y, 420.8f);
}

TEST(InputScenario, AMoveWithoutAButtonDownLeavesTheBallAtRest) {
    SimScenario scenario;
    scenario.script = kGameWithBall + "3 move 150 140\n";
    const Point ball = BallAt(scenario, 3);
    EXPECT_FLOAT_EQ(ball.x, 144.0f);
    EXPECT_FLOAT_EQ(ball.y, 460.8f);
}

TEST(InputScenario, PausedPlayStandsStillAndF6RunsExactlyThreeUpdates) {
    SimScenario scenario;
    scenario.script = kGameWithBall +
                      "10 key 80    # P: paused from the next update\n"
                      "20 keyup 117 # F6\n";
    const std::vector<JsonValue> dump = scenario.Every(1, 30);
    const JsonValue& atPause = StateOfStep(dump, 10);
    ASSERT_EQ(atPause["paused"].Int(), 1);
    auto stillAsAtPause = [&](const JsonValue& state) {
        EXPECT_EQ(state["playClock"].Int(), atPause["playClock"].Int());
        EXPECT_EQ(state["screenTime"].Int(), atPause["screenTime"].Int());
        EXPECT_EQ(state["targets"].Size(), atPause["targets"].Size());
        for (size_t i = 0; i < state["targets"].Size(); ++i) {
            EXPECT_EQ(state["targets"][i]["y"].number, atPause["targets"][i]["y"].number);
        }
        EXPECT_EQ(state["shots"].Size(), atPause["shots"].Size());
    };
    for (long step = 11; step <= 20; ++step) {
        SCOPED_TRACE(step);
        stillAsAtPause(StateOfStep(dump, step));
    }
    for (long step = 21; step <= 23; ++step) {
        EXPECT_EQ(StateOfStep(dump, step)["playClock"].Int(),
                  atPause["playClock"].Int() + (step - 20));
    }
    EXPECT_EQ(StateOfStep(dump, 22)["paused"].Int(), 0);
    EXPECT_EQ(StateOfStep(dump, 23)["paused"].Int(), 1);
    for (long step = 24; step <= 30; ++step) {
        EXPECT_EQ(StateOfStep(dump, step)["playClock"].Int(), atPause["playClock"].Int() + 3);
    }
}

TEST(InputScenario, TheBallCanBeDraggedWhilePausedAndMovesOnlyAfterwards) {
    SimScenario scenario;
    scenario.script = kGameWithBall +
                      "3 key 80\n"
                      "4 down 144 300\n"
                      "5 move 144 400\n"
                      "6 up 144 400\n"
                      "9 key 80\n";
    const Point pulled = BallAt(scenario, 8);
    EXPECT_FLOAT_EQ(pulled.x, 144.0f);
    EXPECT_FLOAT_EQ(pulled.y, 560.8f);
    const JsonValue released = scenario.At(8);
    EXPECT_EQ((*SlingshotBall(released))["released"].Int(), 1);
    const Point moving = BallAt(scenario, 10);
    EXPECT_LT(moving.y, 560.8f);
}

}  // namespace
