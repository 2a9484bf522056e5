// The headless runner end to end: arguments, scripts, the frame pacing of steps,
// presentation and determinism, checked through its dump.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/SimRun.h"

namespace {

std::vector<std::vector<long long>> Rects(const JsonValue& presented) {
    std::vector<std::vector<long long>> rects;
    for (const JsonValue& r : presented.array) {
        rects.push_back({r[0].Int(), r[1].Int(), r[2].Int(), r[3].Int()});
    }
    return rects;
}

TEST(FoundationScenario, FirstFrameAndPaintPresentTheWholeFieldRowByRow) {
    const SimResult run = RunSim({"--steps", "4"}, "3 paint\n");
    ASSERT_EQ(run.status, 0) << run.errorText;
    ASSERT_EQ(run.dump.size(), 4u);
    for (size_t index : {size_t(0), size_t(3)}) {
        const auto rects = Rects(run.dump[index]["presented"]);
        ASSERT_EQ(rects.size(), 18u) << "step " << index + 1;
        for (long long r = 0; r < 18; ++r) {
            EXPECT_EQ(rects[size_t(r)], (std::vector<long long>{0, 32 * r, 288, 32 * r + 32}));
        }
    }
    // Between them only what changed is presented: the title texts, not the whole field.
    EXPECT_NE(Rects(run.dump[1]["presented"]), Rects(run.dump[0]["presented"]));
    for (const auto& rect : Rects(run.dump[1]["presented"])) EXPECT_GE(rect[1], 32);
}

TEST(FoundationScenario, NoFrameRunsWhileTheWindowIsInactive) {
    const SimResult run = RunSim({"--steps", "5"}, "2 activate 0\n4 activate 1\n");
    ASSERT_EQ(run.status, 0) << run.errorText;
    EXPECT_TRUE(run.dump[1]["frameRan"].boolean);
    EXPECT_FALSE(run.dump[2]["frameRan"].boolean);
    EXPECT_EQ(run.dump[2]["presented"].Size(), 0u);
    EXPECT_FALSE(run.dump[3]["frameRan"].boolean);
    EXPECT_TRUE(run.dump[4]["frameRan"].boolean);
}

TEST(FoundationScenario, ClosingTheWindowEndsTheRun) {
    const SimResult run = RunSim({"--steps", "50"}, "2 close\n");
    ASSERT_EQ(run.status, 0) << run.errorText;
    ASSERT_EQ(run.dump.size(), 2u);
    EXPECT_EQ(run.dump.back()["step"].Int(), 2);
}

TEST(FoundationScenario, PngShowsWhatWasPresented) {
    const std::string folder = MakeTempFolder("png");
    const SimResult run = RunSim({"--steps", "2", "--png", "2:shot.png"}, "", folder);
    ASSERT_EQ(run.status, 0) << run.errorText;
    std::ifstream in(folder + "/shot.png", std::ios::binary);
    char signature[8] = {};
    in.read(signature, 8);
    EXPECT_EQ(std::string(signature, 8), std::string("\x89PNG\r\n\x1a\n", 8));
}

TEST(FoundationScenario, SoundSettingComesFromTheCommandLine) {
    const SimResult off = RunSim({"--sound", "off"});
    ASSERT_EQ(off.status, 0) << off.errorText;
    EXPECT_EQ(off.dump[0]["sound"]["enabled"].Int(), 0);
    const SimResult on = RunSim({});
    EXPECT_EQ(on.dump[0]["sound"]["enabled"].Int(), 1);
    const SimResult toggled = RunSim({"--steps", "2"}, "1 command 32773\n");
    EXPECT_EQ(toggled.dump[0]["sound"]["enabled"].Int(), 0);
}

TEST(FoundationScenario, BadArgumentsAndScriptsExitWithStatusTwo) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--steps", "0"},
                                                 {"--steps", "x"},
                                                 {"--clock", "-1"},
                                                 {"--sound", "loud"},
                                                 {"--png", "nocolon"},
                                                 {"--bogus"},
                                                 {"--dump-every"}}) {
        const SimResult run = RunSim(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_NE(run.errorText.find("pebblor-sim:"), std::string::npos);
    }
    for (const std::string& script :
         {std::string("1 down 10\n"), std::string("1 jump 1 2\n"), std::string("x key 5\n"),
          std::string("1 key 300\n"), std::string("1 activate 2\n"), std::string("-1 paint\n"),
          std::string("1 paint now\n")}) {
        const SimResult run = RunSim({}, "# fine\n\n" + script);
        EXPECT_EQ(run.status, 2) << script;
        EXPECT_NE(run.errorText.find("line 3"), std::string::npos) << run.errorText;
    }
    const SimResult missing = RunSim({"--script", "no-such-file"});
    EXPECT_EQ(missing.status, 2);
}

}  // namespace
