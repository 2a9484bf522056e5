// Letting go of the slingshot through the headless runner: the bands launch a pulled ball
// on the slingshot line, the next ball comes 20 frames after the slingshot is empty, and a
// pull with no vertical part is called off.
#include <gtest/gtest.h>

#include <stdexcept>

#include "support/DumpQueries.h"
#include "support/SimScenario.h"

namespace {

constexpr int kLaunchSound = 161;
const std::string kGameWithBall = "1 down 100 100\n1 up 100 100\n";

// A straight pull of `length` pixels, let go at step 5.
SimScenario StraightPull(int length) {
    SimScenario scenario;
    scenario.script = kGameWithBall + "3 down 144 300\n4 move 144 " + std::to_string(300 + length) +
                      "\n5 up 144 " + std::to_string(300 + length) + "\n";
    return scenario;
}

// The one ball of the state that belongs to the player (resting or flying).
const JsonValue& OnlyBall(const JsonValue& state) {
    const auto& shots = state["shots"];
    if (ObjectsOfType(shots, "GO_BALL").size() != 1) throw std::runtime_error("not one ball");
    for (const JsonValue& shot : shots.array) {
        if (shot["type"].string == "GO_BALL") return shot;
    }
    throw std::runtime_error("no ball");
}

// Launched on the eleventh update after the release; the next ball comes twenty frames after
// the slingshot is empty.
TEST(LaunchScenario, AHundredPixelPullLaunchesOnTheEleventhUpdateAndTheNextBallComesAfter20) {
    const std::vector<JsonValue> dump = StraightPull(100).Every(1, 36);
    const JsonValue& pulled = OnlyBall(StateOfStep(dump, 4));
    EXPECT_FLOAT_EQ(float(pulled["y"].number), 560.8f);

    const JsonValue& released = StateOfStep(dump, 5);
    EXPECT_EQ(OnlyBall(released)["released"].Int(), 1);
    EXPECT_EQ(released["reloadDelay"].Int(), 20);

    // Updates 1 to 10 after the release (steps 6 to 15) pull the ball back up.
    for (long step = 6; step <= 15; ++step) {
        const JsonValue& state = StateOfStep(dump, step);
        EXPECT_EQ(OnlyBall(state)["loaded"].Int(), 1) << "step " << step;
        EXPECT_EQ(state["shotsFired"].Int(), 0) << "step " << step;
        EXPECT_FALSE(Played(state, kLaunchSound)) << "step " << step;
    }
    const JsonValue& launch = StateOfStep(dump, 16);
    const JsonValue& launched = OnlyBall(launch);
    EXPECT_EQ(launched["loaded"].Int(), 0);
    EXPECT_EQ(launch["shotsFired"].Int(), 1);
    EXPECT_TRUE(Played(launch, kLaunchSound));
    EXPECT_NEAR(launched["vy"].number, -14.18, 0.01);
    EXPECT_NEAR(launched["vx"].number, 0.0, 1e-6);
    EXPECT_LE(launched["y"].number, 460.8);

    // Launched at step 16: the slingshot is empty from that update on.
    EXPECT_EQ(StateOfStep(dump, 15)["reloadDelay"].Int(), 20);
    EXPECT_EQ(StateOfStep(dump, 16)["reloadDelay"].Int(), 19);
    for (long step = 16; step <= 34; ++step) {
        EXPECT_EQ(SlingshotBall(StateOfStep(dump, step)), nullptr) << "step " << step;
    }
    const JsonValue& reloaded = StateOfStep(dump, 35);
    const JsonValue* ball = SlingshotBall(reloaded);
    ASSERT_NE(ball, nullptr);
    EXPECT_EQ((*ball)["released"].Int(), 0);
    EXPECT_EQ((*ball)["kind"].Int(), -1);
    EXPECT_FLOAT_EQ(float((*ball)["x"].number), 144.0f);
    EXPECT_FLOAT_EQ(float((*ball)["y"].number), 460.8f);
    EXPECT_EQ(ObjectsOfType(reloaded["shots"], "GO_BALL").size(), 2u);  // the first still flies
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
