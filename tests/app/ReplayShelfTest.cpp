// The kept replays: a game that enters the table keeps its replay for its row, through
// restarts and beside equal entries; the replay goes when the row is pushed out; a save that
// fails is told in one line and changes nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "app/ReplayMenu.h"
#include "app/ReplayShelf.h"
#include "app/ReplayText.h"
#include "gfx/TempDir.h"
#include "support/SaveFaults.h"

namespace fs = std::filesystem;

namespace {

HighScoreEntry Entry(std::string_view initials, int32_t score, int32_t level) {
    HighScoreEntry entry{};
    initials.copy(entry.initials, 3);
    entry.score = score;
    entry.level = level;
    return entry;
}

// Ten entries scoring 1000, 900, ... 100.
HighScoreTable Table() {
    HighScoreTable table;
    for (size_t i = 0; i < table.size(); ++i) table[i] = Entry("OLD", 1000 - 100 * int(i), 9);
    return table;
}

// The table after a new entry, placed as the game places it: below equal scores.
HighScoreTable Entered(HighScoreTable table, HighScoreEntry entry) {
    for (HighScoreEntry& row : table) {
        if (row.score < entry.score) std::swap(row, entry);
    }
    return table;
}

Replay GameThatScored(int32_t score, int32_t level) {
    Replay replay;
    replay.gameVersion = "test";
    replay.events = {{0, ReplayEventKind::Down, 144, 300}};
    replay.frames = 2000;
    replay.result = ReplayResult{score, level, 12, 1};
    return replay;
}

class ReplayShelfTest : public ::testing::Test {
protected:
    ReplayShelf Shelf(FileSystem& files = RealFileSystem()) {
        return ReplayShelf(
            folder.string(), [this](const std::string& text) { told.push_back(text); }, files);
    }
    // The game's replay file for `row`, read back.
    ReplayResult ResultOfRow(const ReplayShelf& shelf, size_t row) {
        Replay replay;
        std::string error;
        EXPECT_TRUE(LoadReplay(shelf.RowReplayPath(row), replay, error)) << error;
        return replay.result;
    }
    size_t ReplayFiles() {
        return size_t(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    TempDir dir;
    fs::path folder = dir / "replays";
    std::vector<std::string> told;
};

TEST_F(ReplayShelfTest, EntriesKeepTheirReplaysThroughRestartsAndBesideEqualEntries) {
    ReplayShelf shelf = Shelf();
    shelf.Load(Table());
    HighScoreTable table = Table();
    // Two games with the same result, entered with the same initials, and one between.
    for (const auto& [score, initials] : {std::pair{450, "NEW"}, {450, "NEW"}, {820, "MID"}}) {
        shelf.KeepFinishedGame(GameThatScored(score, 3));
        table = Entered(table, Entry(initials, score, 3));
        EXPECT_TRUE(shelf.FollowTable(table));
    }
    EXPECT_TRUE(told.empty());
    EXPECT_TRUE(fs::exists(folder / "last.replay"));
    // Rows: 1000, 900, 820 MID, 800, 700, 600, 500, 450 NEW, 450 NEW, 400.
    const std::vector<MenuItem> items = ReplayMenuItems(shelf);
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1].text, "MID  8200  level 4");
    EXPECT_EQ(items[1].command, IDM_WATCH_ENTRY + 2);
    EXPECT_EQ(items[2].command, IDM_WATCH_ENTRY + 7);
    EXPECT_EQ(items[3].command, IDM_WATCH_ENTRY + 8);
    const std::string first = shelf.RowReplayPath(7), second = shelf.RowReplayPath(8);
    EXPECT_NE(first, second);

    ReplayShelf restarted = Shelf();
    restarted.Load(table);
    EXPECT_EQ(restarted.RowReplayPath(2), shelf.RowReplayPath(2));
    EXPECT_EQ(restarted.RowReplayPath(7), first);
    EXPECT_EQ(restarted.RowReplayPath(8), second);
    EXPECT_EQ(ResultOfRow(restarted, 2).score, 820);
}

TEST_F(ReplayShelfTest, AReplayIsDeletedWhenItsEntryIsPushedOut) {
    ReplayShelf shelf = Shelf();
    shelf.Load(Table());
    shelf.KeepFinishedGame(GameThatScored(150, 1));
    HighScoreTable table = Entered(Table(), Entry("LOW", 150, 1));
    shelf.FollowTable(table);
    ASSERT_FALSE(shelf.RowReplayPath(9).empty());
    const std::string kept = shelf.RowReplayPath(9);
    // A game without a replay pushes it out.
    table = Entered(table, Entry("TOP", 5000, 20));
    EXPECT_TRUE(shelf.FollowTable(table));
    EXPECT_FALSE(fs::exists(kept));
    EXPECT_EQ(ReplayMenuItems(shelf).size(), 1u);
    EXPECT_EQ(ReplayFiles(), 1u);  // last.replay
    // A replay whose row is gone while the game was not running goes at the next start.
    shelf.KeepFinishedGame(GameThatScored(950, 9));
    shelf.FollowTable(Entered(table, Entry("ANY", 950, 9)));
    ASSERT_EQ(ReplayFiles(), 2u);
    Shelf().Load(table);
    EXPECT_EQ(ReplayFiles(), 1u);
}

TEST_F(ReplayShelfTest, AReplayThatCannotBeSavedIsSkippedWithOneLine) {
    FaultyFileSystem full(SaveStep::Write, std::errc::no_space_on_device);
    ReplayShelf shelf = Shelf(full);
    shelf.Load(Table());
    shelf.KeepFinishedGame(GameThatScored(450, 3));
    EXPECT_TRUE(shelf.FollowTable(Entered(Table(), Entry("NEW", 450, 3))));
    EXPECT_EQ(told.size(), 2u);  // the last game, then the entry's
    for (const std::string& text : told) {
        EXPECT_NE(text.find("No space left on device"), std::string::npos) << text;
    }
    EXPECT_TRUE(shelf.RowReplayPath(6).empty());
    EXPECT_EQ(ReplayFiles(), 0u);  // not even a half-written temporary
}

}  // namespace

TEST_F(ReplayShelfTest, OpeningTheShelfRemovesWhatKilledSavesOfReplaysLeftBehind) {
    fs::create_directories(folder);
    const char* names[] = {".last.replay.tmp-a1B2c3", ".notes.txt.tmp-a1B2c3", "notes.txt"};
    for (const char* name : names) std::ofstream(folder / name) << "x";
    Shelf().Load(Table());
    EXPECT_FALSE(fs::exists(folder / names[0]));
    EXPECT_TRUE(fs::exists(folder / names[1])) << "not a replay's";
    EXPECT_TRUE(fs::exists(folder / names[2]));
}
