// Replays through the headless runner: a game it records with --record and runs again with
// --replay goes through the same state, frame for frame, pictures and sounds included; a
// replay that is damaged, that the game cannot take, or that ends otherwise is refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/GeneratedArt.h"
#include "support/SimRun.h"

namespace fs = std::filesystem;

namespace {

// A table whose last entry lies below zero, so even a game without a hit makes it.
std::string TableBeatenByAnyGame() {
    std::string text;
    for (int i = 0; i < 9; ++i) text += "AAA\r\n" + std::to_string(1000 - 100 * i) + "\r\n9\r\n";
    return text + "ZZZ\r\n-1\r\n0\r\n";
}

// A game with a pull, the pause key, a frame step, a focus change, the sound item, an
// uncovered window and stray keys, then left until the gems come down.
const char* const kPlayedGame =
    "0 down 100 100\n0 up 100 100\n"
    "30 down 144 300\n31 move 150 320\n31 move 160 390\n33 up 160 390\n"
    "40 key 80\n45 key 117\n52 key 80\n"
    "60 activate 0\n60 activate 1\n70 command 32773\n75 paint\n80 keydown 65\n81 keyup 65\n";

std::vector<std::string> Lines(const fs::path& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

// A dump line without its step number: {"step":12,"clock":... becomes "clock":...
std::string WithoutStep(const std::string& line) { return line.substr(line.find(',') + 1); }

// The clock of a dump line, which tells the moment of a game whatever its step.
std::string ClockOf(const std::string& line) {
    const std::string rest = WithoutStep(line);
    return rest.substr(0, rest.find(','));
}

class ReplayScenario : public ::testing::Test {
protected:
    ReplayScenario() {
        CopyGeneratedArt(PEBBLOR_ART_FOLDER, folder);
        std::ofstream(fs::path(folder) / "hiscores.dat", std::ios::binary)
            << TableBeatenByAnyGame();
    }

    SimResult Sim(const std::vector<std::string>& arguments, const std::string& script = "") {
        return RunSim(arguments, script, folder);
    }
    fs::path File(const char* name) const { return fs::path(folder) / name; }

    // Records the run, replays it, and compares the states the replay dumps (every K-th
    // frame with --dump-every K) with the recording's of the same moment (the same clock).
    void RecordAndReplay(const std::vector<std::string>& run, const std::string& script,
                         const std::string& every) {
        std::vector<std::string> recording = run;
        recording.insert(recording.end(), {"--dump-every", every, "--record", "game.replay"});
        const SimResult recorded = Sim(recording, script);
        ASSERT_EQ(recorded.status, 0) << recorded.errorText;
        std::map<std::string, std::string> original;
        for (const std::string& line : Lines(File("dump.jsonl"))) original[ClockOf(line)] = line;

        const SimResult replayed = Sim({"--replay", "game.replay", "--dump-every", every});
        ASSERT_EQ(replayed.status, 0) << replayed.errorText;
        const std::vector<std::string> again = Lines(File("dump.jsonl"));
        ASSERT_GT(again.size(), 100u);
        // A game started at step 0 shares its first dump with start-up, whose sounds only the
        // recording's first dump holds.
        for (size_t i = 1; i < again.size(); ++i) {
            const auto found = original.find(ClockOf(again[i]));
            // Only the replay's last state may fall between the recording's dumps.
            if (found == original.end() && i + 1 == again.size()) break;
            ASSERT_NE(found, original.end()) << "no state of the recording at " << again[i];
            ASSERT_EQ(WithoutStep(again[i]), WithoutStep(found->second)) << "dump " << i + 1;
        }
    }

    std::string folder = MakeTempFolder("replay");
};

TEST_F(ReplayScenario, AutomaticGamesReplayTheSameFrameForFrame) {
    for (const char* clock : {"1000", "86421"}) {
        SCOPED_TRACE(clock);
        RecordAndReplay({"--autoplay", "--clock", clock, "--steps", "500"}, "", "1");
    }
}

TEST_F(ReplayScenario, AGameToItsEndReplaysTheSameFrameForFrameWithoutTouchingTheTable) {
    const std::string table = TableBeatenByAnyGame();
    RecordAndReplay({"--steps", "2700"}, kPlayedGame, "10");
    std::ifstream in(File("hiscores.dat"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), table);
    // It ended with the game-over pause: its last state asks for the initials.
    const SimResult last = Sim({"--replay", "game.replay", "--dump-every", "0"});
    ASSERT_EQ(last.dump.size(), 1u);
    EXPECT_EQ(last.dump[0]["screen"].Int(), 4);
    EXPECT_EQ(last.dump[0]["madeHighScore"].Int(), 1);
    EXPECT_EQ(last.dump[0]["sound"]["enabled"].Int(), 0);
}

// The text with its first line that begins with `start` replaced by `line`.
std::string Edited(std::string text, const std::string& start, const std::string& line) {
    const size_t at = text.find(start);
    return at == std::string::npos ? text : text.replace(at, text.find('\n', at) - at, line);
}

TEST_F(ReplayScenario, ReplaysThatCannotBeRunAreRefusedWithAMessage) {
    ASSERT_EQ(Sim({"--autoplay", "--steps", "300", "--record", "good.replay"}).status, 0);
    std::ifstream in(File("good.replay"), std::ios::binary);
    const std::string good{std::istreambuf_iterator<char>(in), {}};
    const std::string endLine = good.substr(good.rfind('\n', good.size() - 2) + 1);
    const std::string frames = endLine.substr(0, endLine.find(' '));
    struct Case {
        std::string text;
        std::vector<std::string> more;
        int status;
        const char* says;
    };
    // Damage of every kind is refused by the same reading (ReplayTextTest): one stands for it.
    const Case cases[] = {
        {Edited(good, "pebblor-replay 1", "pebblor-replay 9"), {}, 2, "version 9 is not known"},
        {Edited(good, "spark-pool 7 ", "spark-pool 7 100"), {}, 2, "has 100 slots"},
        {Edited(good, frames + " end ", frames + " end score 77777 level 0 shots 0 high-score 0"),
         {},
         1,
         "went otherwise than it was recorded"},
        {good, {"--autoplay"}, 2, "does not go with --autoplay"},
    };
    for (const Case& c : cases) {
        std::ofstream(File("bad.replay"), std::ios::binary) << c.text;
        std::vector<std::string> arguments{"--replay", "bad.replay"};
        arguments.insert(arguments.end(), c.more.begin(), c.more.end());
        const SimResult result = Sim(arguments);
        EXPECT_EQ(result.status, c.status) << c.says;
        EXPECT_NE(result.errorText.find(c.says), std::string::npos) << result.errorText;
    }
}

}  // namespace
