// Start-up and the first moments of a game through the headless runner: hostile files in
// place of the game's files, the click that starts a game, and the first ball.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/DumpQueries.h"
#include "support/HostileFiles.h"
#include "support/SimRun.h"
#include "support/SimScenario.h"

namespace fs = std::filesystem;

namespace {

const std::string kClickOnTitle = "1 down 100 100\n1 up 100 100\n";

// Runs the runner without the capabilities that let root read any file, when root, and
// when this system lets them go; nothing when no unreadable file can be made.
std::optional<std::string> LauncherThatModesStop() {
    if (ModesStopReading()) return "";
    const std::string launcher = "setpriv --bounding-set=-dac_override,-dac_read_search";
    const std::string probe = MakeTempFolder("mode-probe") + "/probe";
    kHostileFiles.back().make(probe, "x");
    const bool works = std::system((launcher + " true").c_str()) == 0 &&
                       std::system((launcher + " cat " + probe + " 2>/dev/null").c_str()) != 0;
    return works ? std::optional(launcher) : std::nullopt;
}

// Anything but a readable regular file in place of the high score file and of every
// picture: the runner starts at once and plays exactly as with no files at all.
class HostileFileScenario : public testing::TestWithParam<HostileFile> {};

TEST_P(HostileFileScenario, PlaysAsWithoutTheFiles) {
    // A read that hangs fails the test instead of stalling the run of tests.
    std::string launcher = "timeout -k 10 120";
    if (std::string(GetParam().name) == "Unreadable") {
        if (!SimIsNative()) GTEST_SKIP() << "the runner under test reads with rights of its own";
        const std::optional<std::string> unreadable = LauncherThatModesStop();
        if (!unreadable)
            GTEST_SKIP() << "root reads a file whatever its mode, and cannot drop that here";
        launcher += " " + *unreadable;
    }
    const std::vector<std::string> arguments = {"--autoplay", "--steps", "300", "--dump-every",
                                                "0"};
    const std::string plain = MakeTempFolder("plain");
    ASSERT_EQ(RunSim(arguments, "", plain).status, 0);

    const std::string folder = MakeTempFolder(std::string("hostile-") + GetParam().name);
    std::string table;
    for (int i = 0; i < 10; ++i) table += "QQQ\r\n9999\r\n9\r\n";
    GetParam().make(fs::path(folder) / "hiscores.dat", table);
    int pictures = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(PEBBLOR_ART_FOLDER)) {
        if (entry.path().extension() != ".bmp") continue;
        GetParam().make(fs::path(folder) / entry.path().filename(),
                        ReadFile(entry.path().string()));
        ++pictures;
    }
    ASSERT_GT(pictures, 20);
    const SimResult run = RunSim(arguments, "", folder, launcher);
    EXPECT_EQ(run.status, 0) << run.errorText;
    EXPECT_EQ(run.errorText, "");
    EXPECT_EQ(ReadFile(folder + "/dump.jsonl"), ReadFile(plain + "/dump.jsonl"));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, HostileFileScenario, testing::ValuesIn(kHostileFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// The click starts a game without a drag, the next update makes a ball at the rest point,
// and a second click starts a drag at its position.
TEST(StartScenario, AClickOnTheTitleStartsAGameTheNextUpdateLoadsABallTheNextClickADrag) {
    SimScenario scenario;
    scenario.script = "0 key 80   # paused before the game: the click clears it\n" + kClickOnTitle +
                      "3 down 120 130\n";
    const std::vector<JsonValue> dump = scenario.Every(1, 3);
    const JsonValue& state = StateOfStep(dump, 1);
    EXPECT_EQ(state["screen"].Int(), 1);
    EXPECT_EQ(state["screenTime"].Int(), 0);
    EXPECT_EQ(state["playClock"].Int(), 0);
    EXPECT_EQ(state["score"].Int(), 0);
    EXPECT_EQ(state["level"].Int(), 0);
    EXPECT_EQ(state["accuracy"].number, 0.0);
    EXPECT_EQ(state["shotsFired"].Int(), 0);
    EXPECT_EQ(state["paused"].Int(), 0);
    EXPECT_EQ(state["dragAnchorX"].Int(), -10000);
    EXPECT_EQ(state["shots"].Size(), 0u);

    const auto balls = ObjectsOfType(StateOfStep(dump, 2)["shots"], "GO_BALL");
    ASSERT_EQ(balls.size(), 1u);
    EXPECT_EQ(balls[0]["kind"].Int(), -1);
    EXPECT_EQ(balls[0]["loaded"].Int(), 1);
    EXPECT_EQ(balls[0]["released"].Int(), 0);
    EXPECT_FLOAT_EQ(float(balls[0]["x"].number), 144.0f);
    EXPECT_FLOAT_EQ(float(balls[0]["y"].number), 460.8f);

    const JsonValue& dragging = StateOfStep(dump, 3);
    EXPECT_EQ(dragging["screen"].Int(), 1);
    EXPECT_EQ(dragging["dragAnchorX"].Int(), 120);
    EXPECT_EQ(dragging["dragAnchorY"].Int(), 130);
}

}  // namespace
