// Replays in the desktop game, on the headless window: a game played with pauses, a frame
// step and a pull is kept, enters the Replays menu with its high score, and is watched with
// the viewer's controls, a mark over the window only, and the table left as it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/CurrentPlayMode.h"
#include "app/DesktopReplays.h"
#include "app/ReplayFileNames.h"
#include "app/ReplayState.h"
#include "app/ReplayText.h"
#include "app/Shell.h"
#include "core/PlayRecord.h"
#include "gfx/TempDir.h"
#include "play/PlayMode.h"
#include "support/HeadlessGame.h"
#include "support/SaveFaults.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLongestUnshotGame = 4000;

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

class DesktopReplaysTest : public ::testing::Test {
protected:
    void Start(FileSystem& files = RealFileSystem()) {
        // Scores below zero: every game makes the table.
        std::ofstream(table, std::ios::binary) << [] {
            std::string text;
            for (int i = 0; i < 10; ++i) text += "LOW\r\n-1\r\n0\r\n";
            return text;
        }();
        game.emplace(1000, nullptr, GameFiles{"", table.string()});
        replays.emplace(
            game->window, folder.string(),
            [this](const std::string& text) { told.push_back(text); }, files);
    }
    void Send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0) {
        replays->Dispatch(game->window, Message{message, wParam, lParam});
    }
    void Mouse(uint32_t message, int x, int y) {
        Send(message, message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MakeMouseLParam(x, y));
    }
    void Frame() {
        game->clock.Advance(34);
        replays->RunFrame(game->window);
    }
    PlayMode& Play() { return *CurrentPlayMode(); }

    // Started with a click, a ball pulled and let go, paused, stepped with F6 and let run
    // again, then left until the gems come down and the initials are asked for.
    void PlayUntilTheInitials() {
        Mouse(WM_LBUTTONDOWN, 144, 300);
        Mouse(WM_LBUTTONUP, 144, 300);
        ASSERT_EQ(Play().screen, PlayScreen::Playing);
        for (int i = 0; i < 30; ++i) Frame();
        Mouse(WM_LBUTTONDOWN, 144, 300);
        Mouse(WM_MOUSEMOVE, 150, 390);
        Frame();
        Mouse(WM_LBUTTONUP, 150, 390);
        Send(WM_KEYUP, 'P');
        Frame();
        Send(WM_KEYUP, VK_F6);
        for (int i = 0; i < 5; ++i) Frame();
        Send(WM_KEYUP, 'P');
        for (int i = 0; i < kLongestUnshotGame && Play().screen != PlayScreen::Entry; ++i) Frame();
        ASSERT_EQ(Play().screen, PlayScreen::Entry);
    }
    std::vector<MenuItem> ReplaysMenu() { return game->window.MenuItems(kReplaysMenuIndex); }

    TempDir dir;
    fs::path table = dir / "hiscores.dat";
    fs::path folder = dir / "replays";
    std::optional<HeadlessGame> game;
    std::optional<DesktopReplays> replays;
    std::vector<std::string> told;
};

TEST_F(DesktopReplaysTest, AGameIsKeptListedWithItsEntryAndWatchedWithoutChangingTheTable) {
    Start();
    ASSERT_EQ(ReplaysMenu().size(), 1u);
    EXPECT_EQ(ReplaysMenu()[0].command, IDM_WATCH_LAST_GAME);
    ASSERT_NO_FATAL_FAILURE(PlayUntilTheInitials());
    Replay last;
    std::string error;
    ASSERT_TRUE(LoadReplay((folder / "last.replay").string(), last, error)) << error;
    EXPECT_EQ(last.result, ResultOf(Play()));
    Send(WM_KEYUP, 'Q');
    Send(WM_KEYUP, VK_RETURN);
    ASSERT_EQ(ReplaysMenu().size(), 2u);
    EXPECT_EQ(ReplaysMenu()[1].text.rfind("Q  0  level ", 0), 0u) << ReplaysMenu()[1].text;

    const std::string tableBefore = Contents(table);
    const HighScoreTable rowsBefore = Play().highScores;
    const std::string lastBefore = Contents(folder / "last.replay");
    Send(WM_COMMAND, uintptr_t(ReplaysMenu()[1].command));
    ASSERT_TRUE(replays->IsWatching());
    EXPECT_STREQ(Play().highScores[0].initials, "LOW");  // the table the game was played against

    // The mark is over the window, not in the game's picture.
    Frame();
    const Rect corner{0, 0, 60, 16};
    bool marked = false;
    for (int y = corner.top; y < corner.bottom; ++y) {
        for (int x = corner.left; x < corner.right; ++x) {
            marked = marked ||
                     game->window.ClientPixels().At(x, y) != frameDriver->BackBuffer().At(x, y);
        }
    }
    EXPECT_TRUE(marked);
    // Space holds it, F6 steps one frame, the right arrow runs four a frame.
    const int clock = Play().playClock;
    Send(WM_KEYUP, VK_SPACE);
    Frame();
    Frame();
    EXPECT_EQ(Play().playClock, clock);
    Send(WM_KEYUP, VK_F6);
    Frame();
    Frame();
    EXPECT_EQ(Play().playClock, clock + 1);
    Send(WM_KEYUP, VK_SPACE);
    Send(WM_KEYDOWN, VK_RIGHT);
    Frame();
    EXPECT_EQ(Play().playClock, clock + 5);
    Send(WM_KEYUP, VK_RIGHT);
    Send(WM_KEYUP, 'P');            // the viewer's keys do not reach the game
    Mouse(WM_MOUSEMOVE, 100, 100);  // nor the pointer's moves and releases, nor typing
    Mouse(WM_LBUTTONUP, 100, 100);
    Send(WM_CHAR, 'a');
    Frame();
    EXPECT_TRUE(replays->IsWatching());
    EXPECT_EQ(Play().playClock, clock + 6);

    for (int i = 0; i < kLongestUnshotGame && replays->IsWatching(); ++i) Frame();
    EXPECT_FALSE(replays->IsWatching());
    EXPECT_EQ(Play().screen, PlayScreen::Title);
    EXPECT_TRUE(
        std::equal(rowsBefore.begin(), rowsBefore.end(), Play().highScores.begin(), SameEntry));
    EXPECT_EQ(Contents(table), tableBefore);
    EXPECT_EQ(Contents(folder / "last.replay"), lastBefore);  // watching records nothing
    EXPECT_TRUE(told.empty());
}

TEST_F(DesktopReplaysTest, EscOrAClickEndsWatchingAndAGameInProgressIsNotInterrupted) {
    Start();
    ASSERT_NO_FATAL_FAILURE(PlayUntilTheInitials());
    Send(WM_KEYUP, VK_RETURN);
    for (const Message& end : {Message{WM_KEYUP, VK_ESCAPE, 0},
                               Message{WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(9, 9)}}) {
        Send(WM_COMMAND, IDM_WATCH_LAST_GAME);
        for (int i = 0; i < 50; ++i) Frame();
        ASSERT_TRUE(replays->IsWatching());
        Send(end.message, end.wParam, end.lParam);
        EXPECT_FALSE(replays->IsWatching());
        EXPECT_EQ(Play().screen, PlayScreen::Title);
        EXPECT_EQ(targetList.First(), nullptr);
    }
    Mouse(WM_LBUTTONDOWN, 144, 300);
    Send(WM_COMMAND, IDM_WATCH_LAST_GAME);
    EXPECT_FALSE(replays->IsWatching());
    EXPECT_EQ(Play().screen, PlayScreen::Playing);
    ASSERT_FALSE(game->window.Boxes().empty());
    EXPECT_NE(game->window.Boxes().back().text.find("title screen"), std::string::npos);
}

TEST_F(DesktopReplaysTest, AReplayThatCannotBeKeptIsToldInOneLineAndTheGameGoesOn) {
    FaultyFileSystem full(SaveStep::Write, std::errc::no_space_on_device);
    Start(full);
    ASSERT_NO_FATAL_FAILURE(PlayUntilTheInitials());
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("No space left on device"), std::string::npos) << told[0];
    EXPECT_TRUE(game->window.Boxes().empty());
    // The last game is still there to watch.
    Send(WM_KEYUP, VK_RETURN);
    Send(WM_COMMAND, IDM_WATCH_LAST_GAME);
    EXPECT_TRUE(replays->IsWatching());
}

TEST_F(DesktopReplaysTest, ADamagedReplayIsRefusedInABox) {
    Start();
    fs::create_directories(folder);
    std::ofstream(folder / "last.replay") << "pebblor-replay 1\ngame 1.1.0\nclock x\n";
    Send(WM_COMMAND, IDM_WATCH_LAST_GAME);
    EXPECT_FALSE(replays->IsWatching());
    ASSERT_EQ(game->window.Boxes().size(), 1u);
    EXPECT_NE(game->window.Boxes()[0].text.find("line 3: 'x' is not a whole number"),
              std::string::npos)
        << game->window.Boxes()[0].text;
}

}  // namespace
