// Where the game's files are: the pictures beside the installed program or in its build
// folder, and the high score table wherever the session is told, never in the current
// directory.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/DesktopFiles.h"
#include "gfx/BmpBuilder.h"
#include "gfx/TempDir.h"
#include "play/PlayMode.h"
#include "support/HeadlessGame.h"

namespace fs = std::filesystem;

namespace {

TEST(ArtFolderBeside, IsTheInstalledFolderWhenThereIsOneElseTheProgramsOwn) {
    TempDir root;
    const fs::path program = root / "prefix/bin";
    fs::create_directories(program);
    EXPECT_EQ(ArtFolderBeside(program.string()), program.string());
    fs::create_directories(program / kInstalledArtFromProgram);
    EXPECT_EQ(ArtFolderBeside(program.string()),
              (program / kInstalledArtFromProgram).lexically_normal().string());
    // A moved installation finds its own pictures.
    fs::rename(root / "prefix", root / "moved");
    const fs::path moved = root / "moved/bin";
    EXPECT_EQ(ArtFolderBeside(moved.string()),
              (moved / kInstalledArtFromProgram).lexically_normal().string());
    EXPECT_EQ(ArtFolderBeside(""), "");
}

// A game in an empty current directory, with its files elsewhere.
class GameFilesTest : public ::testing::Test {
protected:
    void EnterInitialsAfterAGameOf(int score) {
        auto* play = static_cast<PlayMode*>(currentMode);
        play->screen = PlayScreen::Entry;
        play->score = score;
        ASSERT_TRUE(game->Send(WM_KEYUP, 'Q'));
        ASSERT_TRUE(game->Send(WM_KEYUP, VK_RETURN));
    }
    const PlayMode& Play() const { return *static_cast<PlayMode*>(currentMode); }

    TempDir current;
    TempDir elsewhere;
    CurrentDirectory inside{current.Path()};
    std::unique_ptr<HeadlessGame> game;
};

TEST_F(GameFilesTest, PicturesAndTheTableComeFromTheFilesGiven) {
    WriteBytes(elsewhere / "absBack.bmp",
               BuildBmpFile(TrueColourRecipe(2, 2, std::vector<Pixel>(4, 0x203040))));
    const fs::path table = elsewhere / "hiscores.dat";
    std::ofstream(table, std::ios::binary) << "XYZ\r\n1\r\n0\r\n";
    game = std::make_unique<HeadlessGame>(1000, nullptr,
                                          GameFiles{elsewhere.Path().string(), table.string()});
    EXPECT_NE(Play().background, nullptr);
    EXPECT_STREQ(Play().highScores[0].initials, "XYZ");
    ASSERT_NO_FATAL_FAILURE(EnterInitialsAfterAGameOf(5));
    HighScoreTable saved{};
    LoadHighScores(saved, table.string().c_str());
    EXPECT_STREQ(saved[0].initials, "Q");
    EXPECT_EQ(saved[0].score, 5);
    EXPECT_TRUE(fs::is_empty(current.Path()));
}

TEST_F(GameFilesTest, WithoutATableFileTheTableLastsTheRunAndNothingIsWritten) {
    game = std::make_unique<HeadlessGame>(1000, nullptr, GameFiles{"", ""});
    ASSERT_NO_FATAL_FAILURE(EnterInitialsAfterAGameOf(100000));
    EXPECT_STREQ(Play().highScores[0].initials, "Q");
    EXPECT_TRUE(fs::is_empty(current.Path()));
}

}  // namespace
