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

// Where the resting ball is after a script's last step.
struct Drag {
    const char* name;
    const char* script;  // after the game started
    long step;
    Point ball;
};
void PrintTo(const Drag& drag, std::ostream* out) { *out << drag.name; }

class DragScenario : public testing::TestWithParam<Drag> {};

TEST_P(DragScenario, MovesTheBallByTheMousesTravelSinceTheButtonWentDown) {
    SimScenario scenario;
    scenario.script = kGameWithBall + GetParam().script;
    const Point ball = BallAt(scenario, GetParam().step);
    EXPECT_FLOAT_EQ(ball.x, GetParam().ball.x);
    EXPECT_FLOAT_EQ(ball.y, GetParam().ball.y);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, DragScenario,
    testing::Values(
        Drag{"FiftyRightFortyDown", "3 down 100 100\n4 move 150 140\n", 4, {194, 500.8f}},
        Drag{"PullStopsAtY300", "3 down 100 300\n4 move 100 100\n", 4, {144, 300}},
        // Left of and above the window: by the true distance.
        Drag{"LeftOfTheWindow", "3 down 100 0\n4 move -20 40\n", 4, {24, 500.8f}},
        Drag{"AboveTheWindow", "3 down 100 0\n4 move 100 -40\n", 4, {144, 420.8f}},
        Drag{"NoButtonDown", "3 move 150 140\n", 3, {144, 460.8f}}),
    [](const auto& info) { return std::string(info.param.name); });

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
