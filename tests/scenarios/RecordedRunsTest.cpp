// Whole runs of the headless runner against recorded ones: each line of golden/runs.txt names
// a run and its runner arguments, with the FNV-1a 64 hash of the whole dump and the last
// frameHash it gave. Together the runs play every playfield object, every slide-out offer
// and shot kind, big gems, the game's end and the high score entry, so a change of any rule
// shows here as a changed hash; the pictures the lines ask for are left for review. After an
// intended change, run this program with PEBBLOR_UPDATE_GOLDEN=1 to rewrite the hashes in
// the source tree.
#include <gtest/gtest.h>

#include <cctype>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gfx/TempDir.h"
#include "support/ByteHash.h"
#include "support/GeneratedArt.h"
#include "support/GoldenFile.h"
#include "support/SimRun.h"

namespace fs = std::filesystem;

namespace {

const fs::path kScripts = fs::path(PEBBLOR_RUNS_FILE).parent_path().parent_path() / "scripts";
const fs::path kPictures = PEBBLOR_PICTURE_FOLDER;

// A line of the file: name, dump hash, last frameHash, then the runner's arguments, of which
// `--script FILE` and `--table FILE` (the hiscores.dat to start from) name files in the
// scripts folder, and `--png STEP:NAME` leaves a picture in <build>/tests/recorded-runs/.
// Comment lines are kept in place when the hashes are rewritten.
struct RunLine {
    std::string text;  // a comment, or the name of a run
    std::string dumpHash, frameHash;
    std::vector<std::string> arguments;
    bool IsRun() const { return !arguments.empty(); }
};

std::vector<RunLine> ReadRunsFile() {
    std::ifstream in(PEBBLOR_RUNS_FILE);
    std::vector<RunLine> lines;
    for (std::string text; std::getline(in, text);) {
        RunLine line{text, "", "", {}};
        if (!text.empty() && text[0] != '#') {
            std::istringstream fields(text);
            fields >> line.text >> line.dumpHash >> line.frameHash;
            for (std::string argument; fields >> argument;) line.arguments.push_back(argument);
            if (!line.IsRun()) throw std::runtime_error("no arguments in: " + text);
        }
        lines.push_back(line);
    }
    return lines;
}

std::string Fnv1a64(const std::string& bytes) {
    char text[20];
    std::snprintf(text, sizeof text, "%016" PRIx64,
                  HashBytes({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}));
    return text;
}

// Plays the run beside copies of the bitmaps and fills in its hashes. The dump is hashed as
// bytes; only its last state is read.
void Play(RunLine& run) {
    TempDir folder;
    CopyGeneratedArt(PEBBLOR_ART_FOLDER, folder.Path());
    std::vector<std::string> arguments;
    std::string options = " --dump dump.jsonl";
    for (size_t i = 0; i < run.arguments.size(); ++i) {
        const std::string& argument = run.arguments[i];
        const bool named = i + 1 < run.arguments.size();
        if (named && argument == "--script") {
            fs::copy_file(kScripts / run.arguments[++i], folder.Path() / "script.txt");
            options += " --script script.txt";
        } else if (named && argument == "--png") {
            // STEP:NAME: the picture is left in the pictures folder for review.
            const std::string& shot = run.arguments[++i];
            const size_t name = shot.find(':') + 1;
            fs::create_directories(kPictures);
            arguments.insert(
                arguments.end(),
                {argument, shot.substr(0, name) + (kPictures / shot.substr(name)).string()});
        } else if (named && argument == "--table") {
            fs::copy_file(kScripts / run.arguments[++i], folder.Path() / "hiscores.dat");
        } else {
            arguments.push_back(argument);
        }
    }
    const std::string dir = folder.Path().string();
    ASSERT_EQ(std::system(SimCommand(dir, options, arguments).c_str()), 0)
        << ReadFile(dir + "/stderr.txt");
    const std::string dump = ReadFile(dir + "/dump.jsonl");
    ASSERT_GT(dump.size(), 1u);
    run.dumpHash = Fnv1a64(dump);
    run.frameHash =
        JsonValue::Parse(dump.substr(dump.rfind('\n', dump.size() - 2) + 1))["frameHash"].string;
}

void Rewrite(const std::vector<RunLine>& lines) {
    std::ofstream out(PEBBLOR_RUNS_FILE, std::ios::trunc);
    for (const RunLine& line : lines) {
        out << line.text;
        if (line.IsRun()) out << ' ' << line.dumpHash << ' ' << line.frameHash;
        for (const std::string& argument : line.arguments) out << ' ' << argument;
        out << '\n';
    }
    ASSERT_TRUE(out.flush()) << "could not write " << PEBBLOR_RUNS_FILE;
}

std::vector<RunLine> Runs() {
    std::vector<RunLine> runs;
    for (const RunLine& line : ReadRunsFile()) {
        if (line.IsRun()) runs.push_back(line);
    }
    return runs;
}

void PrintTo(const RunLine& run, std::ostream* out) { *out << run.text; }

class RecordedRunScenario : public testing::TestWithParam<RunLine> {};

// In update mode each run writes its own line: run them from one process.
TEST_P(RecordedRunScenario, DumpsAsRecorded) {
    RunLine run = GetParam();
    ASSERT_NO_FATAL_FAILURE(Play(run));
    if (UpdatingGolden()) {
        std::vector<RunLine> lines = ReadRunsFile();
        for (RunLine& line : lines) {
            if (line.IsRun() && line.text == run.text) line = run;
        }
        Rewrite(lines);
        return;
    }
    EXPECT_TRUE(run.dumpHash == GetParam().dumpHash && run.frameHash == GetParam().frameHash)
        << "recorded: " << GetParam().dumpHash << ' ' << GetParam().frameHash
        << "\nplayed:   " << run.dumpHash << ' ' << run.frameHash
        << "\nif the change is intended, rerun with PEBBLOR_UPDATE_GOLDEN=1";
}

INSTANTIATE_TEST_SUITE_P(Runs, RecordedRunScenario, testing::ValuesIn(Runs()),
                         [](const auto& info) {
                             std::string name = info.param.text;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

}  // namespace
