// A long run of the automatic player through the headless runner: games keep ending and
// starting again, the state stays sane, and the run ends cleanly (in the sanitizer build:
// no report and no leak, which would show on standard error and in the exit status).
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/SimRun.h"
#include "support/SimStream.h"

namespace {

constexpr long kSteps = 200000;
// The player leaves the title after 20 updates and the game-over pause lasts 101, so
// sampling every 20 steps sees both screens in every game.
constexpr long kSampleEvery = 20;
constexpr size_t kMostObjectsPerList = 500;

// Whether a saved table is whole: 30 lines, each ended by CR LF.
void ExpectThirtyCrLfLines(const std::string& path) {
    std::ifstream saved(path, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(saved), {}};
    size_t lines = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 30u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

TEST(SoakScenario, AutoplayPlaysGameAfterGameCleanly) {
    std::array<int, 5> samplesOfScreen{};
    int gamesStarted = 0;
    bool madeHighScore = false;
    long long lastPlayClock = -1;
    auto check = [&](const JsonValue& state) {
        SCOPED_TRACE("step " + std::to_string(state["step"].Int()));
        const long long screen = state["screen"].Int();
        ASSERT_TRUE(screen == 0 || screen == 1 || screen == 2 || screen == 4);
        ++samplesOfScreen[size_t(screen)];
        if (screen == 1) {
            if (state["playClock"].Int() < lastPlayClock || lastPlayClock < 0) ++gamesStarted;
            lastPlayClock = state["playClock"].Int();
        }
        madeHighScore = madeHighScore || state["madeHighScore"].Int() == 1;
        EXPECT_GE(state["score"].Int(), 0);
        EXPECT_GE(state["level"].Int(), 0);
        EXPECT_LE(state["targets"].Size(), kMostObjectsPerList);
        EXPECT_LE(state["shots"].Size(), kMostObjectsPerList);
        if (screen == 0 || screen == 4) {
            EXPECT_EQ(state["targets"].Size(), 0u);
            EXPECT_EQ(state["shots"].Size(), 0u);
        }
        const JsonValue& table = state["highScores"];
        for (size_t i = 1; i < table.Size(); ++i) {
            EXPECT_GE(table[i - 1]["score"].Int(), table[i]["score"].Int()) << "entry " << i;
        }
    };
    const std::string folder = MakeTempFolder("soak");
    const StreamedRun run = StreamSim({"--autoplay", "--steps", std::to_string(kSteps),
                                       "--dump-every", std::to_string(kSampleEvery)},
                                      folder, check);
    ASSERT_EQ(run.status, 0) << run.errorText;
    EXPECT_EQ(run.errorText, "");
    EXPECT_EQ(run.states, size_t(kSteps / kSampleEvery));
    EXPECT_GE(samplesOfScreen[0], 3);
    EXPECT_GE(samplesOfScreen[1], 3);
    EXPECT_GE(samplesOfScreen[2], 3);
    EXPECT_GE(gamesStarted, 3);
    EXPECT_TRUE(madeHighScore);
    if (std::ifstream(folder + "/hiscores.dat")) ExpectThirtyCrLfLines(folder + "/hiscores.dat");
    std::filesystem::remove_all(folder);
}

}  // namespace
