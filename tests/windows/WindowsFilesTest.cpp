// The high score table on Windows paths: beyond ASCII, replaced whole, nothing left beside.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "gfx/TempDir.h"
#include "platform/Utf8Path.h"
#include "play/HighScores.h"

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WindowsFilesTest, TheTableIsReplacedWholeInAFolderNamedBeyondAscii) {
    TempDir temp;
    // "Zoë's games", "ゲーム": UTF-8 inside the game, UTF-16 for Windows.
    const std::filesystem::path folder =
        temp.Path() / PathFromUtf8("Zo\xC3\xAB's games \xE3\x82\xB2\xE3\x83\xBC\xE3\x83\xA0");
    std::filesystem::create_directories(folder);
    const std::string file = Utf8FromPath(folder / "hiscores.dat");
    std::ofstream(folder / "hiscores.dat", std::ios::binary) << "old";

    HighScoreTable table{};
    for (size_t i = 0; i < table.size(); ++i) table[i] = HighScoreEntry{"ABC", int(100 - i), 2};
    ASSERT_TRUE(SaveHighScores(table, file.c_str()));

    EXPECT_EQ(ReadAll(folder / "hiscores.dat"), FormatHighScores(table));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) {
        ++entries;
    }
    EXPECT_EQ(entries, 1u) << "a temporary file was left beside the table";
    HighScoreTable loaded{};
    LoadHighScores(loaded, file.c_str());
    EXPECT_EQ(FormatHighScores(loaded), FormatHighScores(table));
}

}  // namespace
