// Letting go of the slingshot through the headless runner: a pull with no vertical part,
// and a release without a drag, are called off.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

constexpr int kLaunchSound = 161;
const std::string kGameWithBall = "1 down 100 100\n1 up 100 100\n";

// The one ball of the state that belongs to the player (resting or flying).
const JsonValue& OnlyBall(const JsonValue& state) {
    const auto& shots = state["shots"];
    if (ObjectsOfType(shots, "GO_BALL").size() != 1) throw std::runtime_error("not one ball");
    for (const JsonValue& shot : shots.array) {
        if (shot["type"].string == "GO_BALL") return shot;
    }
    throw std::runtime_error("no ball");
}

TEST(LaunchScenario, APullWithNoVerticalPartIsCalledOff) {
    SimScenario scenario;
    scenario.script = kGameWithBall +
                      "3 down 144 300\n"
                      "4 move 194 300   # 50 right only\n"
                      "5 up 194 300\n";
    const std::vector<JsonValue> dump = scenario.Every(1, 40);
    const JsonValue& calledOff = OnlyBall(StateOfStep(dump, 6));
    EXPECT_EQ(calledOff["released"].Int(), 0);
    EXPECT_EQ(calledOff["loaded"].Int(), 1);
    // The bands' sideways pull is applied once more as the ball snaps back.
    EXPECT_NEAR(calledOff["x"].number, 143.0, 1e-4);
    EXPECT_FLOAT_EQ(float(calledOff["y"].number), 460.8f);
    for (const JsonValue& state : dump) {
        EXPECT_EQ(state["shotsFired"].Int(), 0) << "step " << state["step"].Int();
        EXPECT_FALSE(Played(state, kLaunchSound)) << "step " << state["step"].Int();
        EXPECT_EQ(ObjectsOfType(state["shots"], "GO_BALL").size(),
                  state["step"].Int() >= 2 ? 1u : 0u);
    }
}

TEST(LaunchScenario, AReleaseWithoutADragIsCalledOffAtTheRestPoint) {
    SimScenario scenario;
    scenario.script = kGameWithBall + "3 up 10 10\n";
    const JsonValue released = scenario.At(3);
    EXPECT_EQ(released["reloadDelay"].Int(), 20);
    EXPECT_EQ(OnlyBall(released)["released"].Int(), 1);
    const JsonValue after = scenario.At(4);
    const JsonValue& ball = OnlyBall(after);
    EXPECT_EQ(ball["released"].Int(), 0);
    EXPECT_FLOAT_EQ(float(ball["x"].number), 144.0f);
    EXPECT_FLOAT_EQ(float(ball["y"].number), 460.8f);
    EXPECT_EQ(after["shotsFired"].Int(), 0);
}

}  // namespace
