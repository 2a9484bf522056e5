// Start-up through the headless runner with hostile files in place of the game's files.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "support/HostileFiles.h"
#include "support/SimRun.h"

namespace fs = std::filesystem;

namespace {

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

}  // namespace
