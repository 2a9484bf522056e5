// The slingshot drag through the headless runner: the ball follows the mouse's movement
// from where the button went down, never above y = 300, and positions left of the window
// count by their true distance.
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

}  // namespace
