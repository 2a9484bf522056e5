// The headless runner end to end: arguments, scripts, closing, pictures and the sound
// setting. The recorded runs pin what its steps dump.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/SimRun.h"

namespace {

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
    const SimResult help = RunSim({"--help", "--bogus"});  // the usage, nothing run
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.dump.empty());
}

}  // namespace
