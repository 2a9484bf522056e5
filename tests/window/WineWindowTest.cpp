// pebblor.exe under Wine on a private X server, played like a person: the window's client
// area, a click that starts a game, a pull that launches a ball, the HUD on the screen, the
// sound item and the registry, and a close that ends the program with status 0. Runs when
// PEBBLOR_WINDOWS_GAME names the program (scripts/test's windows stage); skipped otherwise.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "FieldPixels.h"
#include "WindowCloseRequest.h"
#include "XSession.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "support/SimRun.h"

namespace {

// Wine starts slowly on a busy machine.
constexpr int kStartWaitMs = 120000;
constexpr int kWaitMs = 20000;
const std::string kTitle = "Pebblor   by Zorvane Games";

// Where the play screen puts things, in field pixels.
constexpr Rect kScoreLine{30, 546, 288, 573};
// "Score:" starts at x = 30; the title's centred line on the same rows some 30 further right.
constexpr int kScoreTextStartsBefore = 40;
// Above the hint the play screen shows at first, whose pale text could pass for the ball.
constexpr Rect kUpTheField{0, 0, 288, 330};
// The ball's silvery pixels beyond those of the gems.
constexpr int kBallPixels = 25;
constexpr int kRestX = 144;
constexpr int kDragStartY = 300;
constexpr int kPull = 80;

std::string ReadText(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class WineWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* program = std::getenv("PEBBLOR_WINDOWS_GAME");
        if (program == nullptr || *program == '\0') GTEST_SKIP() << "PEBBLOR_WINDOWS_GAME unset";
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
        for (const char* tool : {"xdotool", "xwininfo", "import"}) {
            if (!HaveTool(tool)) GTEST_SKIP() << tool << " is not installed";
        }
        // The window at the 1x preset, and no sound setting yet: the first start writes "Y".
        Wine("reg add 'HKCU\\Software\\Zorvane' /v PebblorDisplayScale /t REG_SZ /d 1 /f");
        Wine("reg delete 'HKCU\\Software\\Zorvane' /v PebblorSoundSetting /f");
        folder = MakeTempFolder("wine-window");
        // Wine's own errors in the log too, to tell a failed start apart from the game's.
        StartCommand("cd " + ShellQuote(folder) + " && WINEDEBUG=fixme-all " +
                     WineCommand(ShellQuote(program)) +
                     " >wine.log 2>&1; echo $? >status.tmp; mv status.tmp status");
        ASSERT_TRUE(WaitUntil(
            [&] {
                windowId = FindWindow(kTitle).value_or("");
                return !windowId.empty() || Ended();
            },
            kStartWaitMs));
        ASSERT_FALSE(windowId.empty()) << "no window; the program ended with status "
                                       << ReadText(folder + "/status") << "Wine said:\n"
                                       << ReadText(folder + "/wine.log");
        const std::optional<ScreenRect> geometry = WindowGeometry(windowId);
        ASSERT_TRUE(geometry);
        window = *geometry;
    }

    void TearDown() override {
        if (!windowId.empty() && !Ended()) Wine("wineserver -k");
    }

    static std::string WineCommand(const std::string& arguments) {
        return ShellQuote(PEBBLOR_WINE_RUN) + " " + arguments;
    }
    static std::optional<std::string> Wine(const std::string& arguments) {
        return RunCommand(WineCommand(arguments) + " 2>/dev/null");
    }

    bool Ended() const { return !ReadText(folder + "/status").empty(); }
    void Xdotool(const std::string& arguments) {
        ASSERT_TRUE(RunCommand("xdotool " + arguments)) << "xdotool " << arguments;
    }
    // The menu bar lies above the field in the X window; the field is 288 x 576 below it.
    int MenuHeight() const { return window.height - kFieldHeight; }
    Surface FieldShot() {
        return Screenshot(ScreenRect{window.x, window.y + MenuHeight(), kFieldWidth, kFieldHeight});
    }
    void MoveTo(int fieldX, int fieldY) {
        Xdotool("mousemove --window " + windowId + " " + std::to_string(fieldX) + " " +
                std::to_string(fieldY + MenuHeight()));
    }

    static constexpr int kFieldWidth = 288;
    static constexpr int kFieldHeight = 576;
    std::string folder;
    std::string windowId;
    ScreenRect window;
};

TEST_F(WineWindowTest, APlayerStartsAGameLaunchesABallTurnsSoundOffAndCloses) {
    // The client area is the field at 1x; Wine's menu bar sits above it.
    EXPECT_EQ(window.width, kFieldWidth);
    EXPECT_GE(MenuHeight(), 15);
    EXPECT_LE(MenuHeight(), 40);
    EXPECT_TRUE(WaitUntil(
        [&] {
            return Wine("reg query 'HKCU\\Software\\Zorvane' /v PebblorSoundSetting")
                       .value_or("")
                       .find("REG_SZ") != std::string::npos;
        },
        kWaitMs))
        << "the first start did not store the sound setting";

    // A click starts a game: the HUD's score line shows.
    Xdotool("windowfocus --sync " + windowId);
    MoveTo(kRestX, kDragStartY);
    Xdotool("click 1");
    Surface field;
    ASSERT_TRUE(WaitUntil(
        [&] {
            field = FieldShot();
            return CountPixels(field, kScoreLine, IsPaleGreen) > 50 &&
                   LeftmostPixel(field, kScoreLine, IsPaleGreen) < kScoreTextStartsBefore;
        },
        kWaitMs))
        << "no HUD after the click";

    // Paused, a pull down and a release; then frame by frame (F6) the ball flies up.
    Xdotool("key p");
    const int gemPixels = CountPixels(FieldShot(), kUpTheField, IsBallColour);
    Xdotool("mousedown 1");
    for (int pulled = 8; pulled <= kPull; pulled += 8) MoveTo(kRestX, kDragStartY + pulled);
    Xdotool("mouseup 1");
    bool flew = false;
    for (int step = 0; step < 20 && !flew; ++step) {
        Xdotool("key F6");
        flew = WaitUntil(
            [&] {
                return CountPixels(FieldShot(), kUpTheField, IsBallColour) >=
                       gemPixels + kBallPixels;
            },
            500);
    }
    EXPECT_TRUE(flew) << "no ball flew up the field";
    Xdotool("key p");

    // Options, its first item: the sound goes off, in the registry too.
    Xdotool("key alt+o Return");
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::string value =
                Wine("reg query 'HKCU\\Software\\Zorvane' /v PebblorSoundSetting").value_or("");
            return value.find("REG_SZ") != std::string::npos &&
                   value.find('N', value.find("REG_SZ")) != std::string::npos;
        },
        kWaitMs))
        << "the sound item did not store N";

    // Closed as a window manager closes it: the program ends with status 0.
    std::string error;
    ASSERT_TRUE(RequestWindowClose(windowId, error)) << error;
    ASSERT_TRUE(WaitUntil([&] { return Ended(); }, kWaitMs)) << "the program did not end";
    EXPECT_EQ(ReadText(folder + "/status"), "0\n");
}

}  // namespace
