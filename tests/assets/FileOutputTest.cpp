// Generated files are rewritten only when their bytes change, so the build stays quiet.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "FileOutput.h"

namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OutputFolder : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(folder_); }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    const std::filesystem::path folder_ =
        std::filesystem::temp_directory_path() / "pebblor-file-output-test";
};

}  // namespace

TEST_F(OutputFolder, WritesNewAndChangedFiles) {
    const std::filesystem::path file = folder_ / "a.txt";
    ASSERT_TRUE(WriteFileIfChanged(file.string(), std::string("first")));
    EXPECT_EQ(Contents(file), "first");
    ASSERT_TRUE(WriteFileIfChanged(file.string(), std::string("second, longer")));
    EXPECT_EQ(Contents(file), "second, longer");
    ASSERT_TRUE(WriteFileIfChanged(file.string(), std::string("x")));
    EXPECT_EQ(Contents(file), "x");
    EXPECT_FALSE(std::filesystem::exists(folder_ / "a.txt.tmp"));
}

TEST_F(OutputFolder, LeavesAnIdenticalFileUntouched) {
    const std::filesystem::path file = folder_ / "same.bin";
    const std::vector<uint8_t> bytes = {1, 2, 3, 0, 255};
    ASSERT_TRUE(WriteFileIfChanged(file.string(), bytes));
    const auto stamp = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    std::filesystem::last_write_time(file, stamp);
    ASSERT_TRUE(WriteFileIfChanged(file.string(), bytes));
    EXPECT_EQ(std::filesystem::last_write_time(file), stamp);
}

TEST_F(OutputFolder, ReportsAFolderThatDoesNotExist) {
    EXPECT_FALSE(WriteFileIfChanged((folder_ / "missing" / "a.txt").string(), std::string("x")));
}
