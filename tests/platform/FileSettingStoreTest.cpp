// The settings file: round trips, missing and broken files, saves that fail or are killed;
// the player's folders. Hostile files read through the same ReadRegularFile as the game's
// other files (HostileFileScenario); a save failing at each step goes through the same Store
// as the high score table's (HighScoresTest).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "platform/FileSettingStore.h"
#include "platform/PlayerFolders.h"
#include "support/SaveFaults.h"

namespace fs = std::filesystem;

namespace {

const std::string kKey = "Software\\Zorvane";
const std::string kName = "PebblorSoundSetting";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class FileSettingStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One folder, not a folder per parameter: "Name/Param" would leave "Name" behind.
        std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(test.begin(), test.end(), '/', '-');
        folder = fs::temp_directory_path() /
                 ("pebblor-settings-" + std::to_string(getpid()) + "-" + test);
        fs::remove_all(folder);
        fs::create_directories(folder);
        path = folder / "pebblor" / "settings.ini";
    }
    void TearDown() override { fs::remove_all(folder); }

    // Entries of the settings folder other than the settings file: leftovers.
    int Leftovers() const {
        int count = 0;
        for (const auto& entry : fs::directory_iterator(path.parent_path())) {
            count += entry.path() != path;
        }
        return count;
    }

    fs::path folder;
    fs::path path;
};

}  // namespace

TEST_F(FileSettingStoreTest, ValuesRoundTripAndCreateTheFolder) {
    FileSettingStore store(path.string());
    std::string text = "unchanged";
    EXPECT_FALSE(store.Read(kKey, kName, text));
    EXPECT_EQ(text, "unchanged");
    ASSERT_TRUE(store.Write(kKey, kName, "Y"));
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(ReadFile(path), "[Software\\Zorvane]\nPebblorSoundSetting=Y\n");

    ASSERT_TRUE(store.Write(kKey, kName, "N"));
    ASSERT_TRUE(store.Write(kKey, "Other", ""));
    ASSERT_TRUE(store.Write("Software\\Else", kName, "elsewhere"));
    FileSettingStore reopened(path.string());
    ASSERT_TRUE(reopened.Read(kKey, kName, text));
    EXPECT_EQ(text, "N");
    ASSERT_TRUE(reopened.Read(kKey, "Other", text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(reopened.Read("Software\\Else", kName, text));
    EXPECT_EQ(text, "elsewhere");
    EXPECT_FALSE(reopened.Read("Software\\Missing", kName, text));
    EXPECT_FALSE(reopened.Read(kKey, "Missing", text));
    EXPECT_EQ(Leftovers(), 0);
    // Names match without regard to case, and keep the case they were first written in.
    ASSERT_TRUE(reopened.Write("software\\zorvane", "PEBBLORSOUNDSETTING", "Y"));
    ASSERT_TRUE(reopened.Read(kKey, kName, text));
    EXPECT_EQ(text, "Y");
    EXPECT_EQ(ReadFile(path).rfind("[Software\\Zorvane]\nPebblorSoundSetting=Y\n", 0), 0u);
}

TEST_F(FileSettingStoreTest, AwkwardValuesAreEscapedAndAwkwardNamesRefused) {
    FileSettingStore store(path.string());
    const std::string awkward = std::string("a=b\nc\\n\r[x]\0end", 15);
    ASSERT_TRUE(store.Write(kKey, kName, awkward));
    ASSERT_TRUE(store.Write(kKey, "after", "kept"));
    std::string text;
    ASSERT_TRUE(store.Read(kKey, kName, text));
    EXPECT_EQ(text, awkward);
    ASSERT_TRUE(store.Read(kKey, "after", text));
    EXPECT_EQ(text, "kept");

    const std::string before = ReadFile(path);
    EXPECT_FALSE(store.Write(kKey, "bad=name", "x"));
    EXPECT_FALSE(store.Write(kKey, "bad\nname", "x"));
    EXPECT_FALSE(store.Write(kKey, "[section", "x"));
    EXPECT_FALSE(store.Write("Bad\nKey", kName, "x"));
    EXPECT_FALSE(store.Write("Bad]", kName, "x"));
    EXPECT_FALSE(store.Write("", kName, "x"));
    EXPECT_EQ(ReadFile(path), before);
}

TEST_F(FileSettingStoreTest, GarbageCountsAsMissingAndIsReplacedOnWriteButHandWritingReads) {
    fs::create_directories(path.parent_path());
    FileSettingStore store(path.string());
    std::string text;
    for (const std::string& garbage :
         {std::string("PebblorSoundSetting=Y\n"),                          // no section
          std::string("[Software\\Zorvane]\nno equals sign\n"),            // not a value
          std::string("[Software\\Zorvane\nPebblorSoundSetting=Y"),        // unclosed section
          std::string("[Software\\Zorvane]\nPebblorSoundSetting=Y\\q\n"),  // bad escape
          std::string("[Software\\Zorvane]\nPebblorSoundSetting=Y\\"),
          std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)}) {
        WriteFile(path, garbage);
        EXPECT_FALSE(store.Read(kKey, kName, text)) << garbage;
    }
    ASSERT_TRUE(store.Write(kKey, kName, "N"));
    ASSERT_TRUE(store.Read(kKey, kName, text));
    EXPECT_EQ(text, "N");
    // Written by hand: blank lines and carriage returns read.
    WriteFile(path, "\r\n[Software\\Zorvane]\r\n\r\nPebblorSoundSetting=N\r\n[Other]\r\nx=1");
    ASSERT_TRUE(store.Read(kKey, kName, text));
    EXPECT_EQ(text, "N");
    ASSERT_TRUE(store.Read("Other", "x", text));
    EXPECT_EQ(text, "1");
}

TEST_F(FileSettingStoreTest, UnwritablePathsFailAndAreTold) {
    RecordedReports reports;
    std::string text;
    FileSettingStore nowhere("");
    EXPECT_FALSE(nowhere.Read(kKey, kName, text));
    EXPECT_FALSE(nowhere.Write(kKey, kName, "Y"));

    // A file where the folder should be.
    WriteFile(folder / "blocked", "");
    const fs::path blockedPath = folder / "blocked" / "settings.ini";
    FileSettingStore blocked(blockedPath.string());
    EXPECT_FALSE(blocked.Write(kKey, kName, "Y"));
    EXPECT_EQ(reports.texts, std::vector<std::string>{"Could not save the settings to " +
                                                      blockedPath.string() + ": Not a directory"});
}

TEST_F(FileSettingStoreTest, AFailureIsToldAgainOnlyAfterASaveSucceeded) {
    RecordedReports reports;
    FaultyFileSystem full(SaveStep::Write, std::errc::no_space_on_device);
    FileSettingStore failing(path.string(), full);
    FileSettingStore working(path.string());
    EXPECT_FALSE(failing.Write(kKey, kName, "Y"));
    EXPECT_FALSE(failing.Write(kKey, kName, "N"));
    EXPECT_EQ(reports.texts.size(), 1u);
    EXPECT_TRUE(working.Write(kKey, kName, "Y"));
    EXPECT_FALSE(failing.Write(kKey, kName, "N"));
    EXPECT_EQ(reports.texts.size(), 2u);
    FileSettingStore elsewhere((folder / "other.ini").string(), full);
    EXPECT_FALSE(elsewhere.Write(kKey, kName, "N"));
    EXPECT_EQ(reports.texts.size(), 3u) << "each file is told of on its own";
}

// A save killed half-way leaves the old file whole and a temporary, which the next start
// removes (each step of a killed save: HighScoresTest, through the same Store).
TEST_F(FileSettingStoreTest, AKilledSaveLeavesAWholeFileAndTheNextStartTidiesUp) {
    ASSERT_TRUE(FileSettingStore(path.string()).Write(kKey, kName, "Y"));
    const std::string old = ReadFile(path);
    FaultyFileSystem files = FaultyFileSystem::KillingAt(SaveStep::Close);
    EXPECT_EXIT(FileSettingStore(path.string(), files).Write(kKey, kName, "N"),
                testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(Leftovers(), 1);
    const FileSettingStore nextStart(path.string());
    EXPECT_EQ(Leftovers(), 0);
}

namespace {

// Restores an environment variable as it was when the scope began.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : name_(name) {
        const char* value = std::getenv(name);
        if (value != nullptr) value_ = value;
    }
    ~SavedVariable() {
        if (value_) {
            setenv(name_, value_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> value_;
};

}  // namespace

TEST(PlayerFoldersTest, FollowTheirXdgVariableThenTheHomeFolder) {
    const SavedVariable home("HOME"), config("XDG_CONFIG_HOME"), data("XDG_DATA_HOME");
    setenv("HOME", "/home/player", 1);
    struct Folder {
        const char* variable;
        std::string (*find)();
        std::string inHome;
    };
    for (const Folder& folder : {Folder{"XDG_CONFIG_HOME", PlayerConfigFolder, "/.config"},
                                 Folder{"XDG_DATA_HOME", PlayerDataFolder, "/.local/share"}}) {
        SCOPED_TRACE(folder.variable);
        setenv(folder.variable, "/tmp/here", 1);
        EXPECT_EQ(folder.find(), "/tmp/here/pebblor");
        const std::string fromHome = "/home/player" + folder.inHome + "/pebblor";
        setenv(folder.variable, "relative/folder", 1);  // not absolute: ignored
        EXPECT_EQ(folder.find(), fromHome);
        setenv(folder.variable, "", 1);
        EXPECT_EQ(folder.find(), fromHome);
        unsetenv(folder.variable);
        EXPECT_EQ(folder.find(), fromHome);
    }
    EXPECT_EQ(DefaultSettingsPath(), "/home/player/.config/pebblor/settings.ini");
}
