// The real game on a real X display, played from outside as a player would: the window's
// size, the title screen, an idle title that sleeps, a game started and a ball fired, the
// sound item of the menu and its setting, the How to Play box from the keyboard's menu, the
// About box, closing the window, and the files it kept: only in the player's folders.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "GameProcess.h"
#include "WindowCloseRequest.h"
#include "XSession.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

namespace {

constexpr int kFieldWidth = 288;
constexpr int kFieldHeight = 576;
constexpr int kMenuStripHeight = 20;  // at scale 1, the only scale a 1024 x 768 screen fits

// Guards against hanging, not timings: what is awaited comes within a few frames.
constexpr int kShortWaitMs = 5000;
constexpr int kLongWaitMs = 15000;

// Where the play screen puts things, in field pixels.
constexpr Rect kTitlePicture{0, 20, 288, 210};
constexpr Rect kHighScoresHeading{0, 220, 288, 240};
constexpr Rect kTableInitials{0, 268, 76, 468};
constexpr Rect kScoreLine{30, 546, 288, 573};
// "Score:" starts at x = 30; the title's centred "Click mouse to start playing", on the same
// rows, starts some 30 pixels further right.
constexpr int kScoreTextStartsBefore = 40;
constexpr Rect kAboveTheSlingshot{0, 0, 288, 400};

// The ball: at rest at (144, 460.8); pulled 80 pixels down it rests 80 pixels lower. Its
// silvery highlight, which is what is found of it, lies a little up and left of its centre.
constexpr int kRestX = 144;
constexpr int kRestY = 460;
constexpr int kPull = 80;
constexpr int kBallTolerance = 5;
constexpr int kDragStartY = 300;

// The menu strip, in window pixels: "Options" is the first title, its first item the sound.
constexpr int kOptionsTitleX = 20;
constexpr int kOptionsTitleY = 10;
constexpr Rect kOptionsTitle{0, 0, 40, 20};
constexpr int kSoundItemX = 60;
constexpr int kSoundItemY = 33;
constexpr Pixel kMenuStripColour = MakePixel(240, 240, 240);
constexpr Pixel kMenuHighlight = MakePixel(0, 120, 215);

// The HUD's and headings' text colour, 200, 255, 200, away from the glyphs' smoothed edges.
bool IsPaleGreen(Pixel p) {
    return PixelGreen(p) >= 235 && PixelRed(p) >= 180 && PixelRed(p) <= 225 &&
           PixelBlue(p) >= 180 && PixelBlue(p) <= 225;
}

// The ball's silvery white; a gem has a few such pixels at most.
bool IsBallColour(Pixel p) {
    const int lowest = std::min({PixelRed(p), PixelGreen(p), PixelBlue(p)});
    const int highest = std::max({PixelRed(p), PixelGreen(p), PixelBlue(p)});
    return lowest >= 150 && highest - lowest <= 40;
}

// The table's grey text, 200, 200, 200, away from the glyphs' smoothed edges.
bool IsTableGrey(Pixel p) {
    const int lowest = std::min({PixelRed(p), PixelGreen(p), PixelBlue(p)});
    const int highest = std::max({PixelRed(p), PixelGreen(p), PixelBlue(p)});
    return lowest >= 180 && highest <= 215 && highest - lowest <= 8;
}

// The title picture's gold lettering.
bool IsGold(Pixel p) {
    return PixelRed(p) >= 200 && PixelGreen(p) >= 90 && PixelGreen(p) <= 210 && PixelBlue(p) <= 110;
}

bool IsMenuHighlight(Pixel p) { return p == kMenuHighlight; }

int CountPixels(const Surface& surface, const Rect& area, const std::function<bool(Pixel)>& test) {
    const Rect inside = Intersect(area, surface.Bounds());
    int count = 0;
    for (int y = inside.top; y < inside.bottom; ++y) {
        for (int x = inside.left; x < inside.right; ++x) count += test(surface.At(x, y)) ? 1 : 0;
    }
    return count;
}

// The first column of the area holding such a pixel; the area's right edge when none does.
int LeftmostPixel(const Surface& surface, const Rect& area,
                  const std::function<bool(Pixel)>& test) {
    const Rect inside = Intersect(area, surface.Bounds());
    for (int x = inside.left; x < inside.right; ++x) {
        for (int y = inside.top; y < inside.bottom; ++y) {
            if (test(surface.At(x, y))) return x;
        }
    }
    return area.right;
}

struct Spot {
    int x = 0;
    int y = 0;
};

// The middle of the densest 16 x 16 patch of ball-coloured pixels in the area, if it holds
// enough of them to be the ball (a 14 x 14 sprite with some 47) rather than gem glints.
std::optional<Spot> FindBall(const Surface& field, const Rect& area) {
    constexpr int kPatch = 16;
    constexpr int kStep = 2;
    constexpr int kEnough = 25;
    Rect best{};
    int bestCount = kEnough - 1;
    for (int top = area.top; top + kPatch <= area.bottom; top += kStep) {
        for (int left = area.left; left + kPatch <= area.right; left += kStep) {
            const Rect patch{left, top, left + kPatch, top + kPatch};
            const int count = CountPixels(field, patch, IsBallColour);
            if (count > bestCount) {
                bestCount = count;
                best = patch;
            }
        }
    }
    if (best.IsEmpty()) return std::nullopt;
    // The patch's corner depends on the scan's order; the pixels' own middle does not.
    int sumX = 0;
    int sumY = 0;
    int count = 0;
    for (int y = best.top; y < best.bottom; ++y) {
        for (int x = best.left; x < best.right; ++x) {
            if (!IsBallColour(field.At(x, y))) continue;
            sumX += x;
            sumY += y;
            ++count;
        }
    }
    return Spot{sumX / count, sumY / count};
}

bool IsNear(const std::optional<Spot>& ball, int x, int y) {
    return ball && std::abs(ball->x - x) <= kBallTolerance &&
           std::abs(ball->y - y) <= kBallTolerance;
}

Rect AroundPoint(int x, int y) {
    constexpr int kReach = 20;
    return Rect{x - kReach, y - kReach, x + kReach, y + kReach};
}

// Polls until the condition holds; false if it never did within the limit.
bool WaitUntil(const std::function<bool()>& condition, int limitMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
}

std::string FirstLine(const std::optional<std::string>& text) {
    if (!text) return std::string();
    return text->substr(0, text->find('\n'));
}

std::string DescribeStatus(int status) {
    if (WIFEXITED(status)) return "exit status " + std::to_string(WEXITSTATUS(status));
    if (WIFSIGNALED(status)) return "killed by signal " + std::to_string(WTERMSIG(status));
    return "wait status " + std::to_string(status);
}

class GameSmokeTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
        for (const char* tool : {"xdotool", "xwininfo", "import"}) {
            if (!HaveTool(tool)) GTEST_SKIP() << tool << " is not installed";
        }
        std::string error;
        const char* program = std::getenv("PEBBLOR_GAME_PROGRAM");
        game = GameProcess::Start(program != nullptr ? program : PEBBLOR_GAME_PROGRAM, error);
        ASSERT_NE(game, nullptr) << error;
        ASSERT_TRUE(WaitUntil(
            [this] {
                windowId = FirstLine(RunCommand("xdotool search --onlyvisible --pid " +
                                                std::to_string(game->Pid()) + " 2>/dev/null"));
                return !windowId.empty() || !StillRunning();
            },
            kLongWaitMs));
        ASSERT_TRUE(StillRunning()) << "the game ended before its window showed";
        ASSERT_FALSE(windowId.empty()) << "the game's window never showed";
        std::optional<ScreenRect> geometry = WindowGeometry(windowId);
        ASSERT_TRUE(geometry);
        window = *geometry;
    }

    bool StillRunning() { return !game->WaitForExit(0).has_value(); }

    void Xdotool(const std::string& arguments) {
        ASSERT_TRUE(RunCommand("xdotool " + arguments)) << "xdotool " << arguments;
    }

    // The game window as a player sees it: the menu strip on top, the field below.
    Surface WindowShot() {
        const Surface screen = Screenshot();
        Surface shot(window.width, window.height);
        const Rect onScreen =
            Intersect(Rect{window.x, window.y, window.x + window.width, window.y + window.height},
                      screen.Bounds());
        for (int y = onScreen.top; y < onScreen.bottom; ++y) {
            for (int x = onScreen.left; x < onScreen.right; ++x) {
                shot.Set(x - window.x, y - window.y, screen.At(x, y));
            }
        }
        return shot;
    }

    Surface FieldShot() {
        const Surface shot = WindowShot();
        Surface field(kFieldWidth, kFieldHeight);
        for (int y = 0; y < kFieldHeight && y + kMenuStripHeight < shot.Height(); ++y) {
            for (int x = 0; x < kFieldWidth && x < shot.Width(); ++x) {
                field.Set(x, y, shot.At(x, y + kMenuStripHeight));
            }
        }
        return field;
    }

    std::optional<Spot> BallIn(const Rect& fieldArea) { return FindBall(FieldShot(), fieldArea); }

    // Moves the pointer to a window pixel. xdotool's --sync waits for the pointer to move,
    // so a move to where it already is would never return.
    void MovePointer(int windowX, int windowY) {
        std::istringstream where(
            RunCommand("xdotool getmouselocation --shell").value_or(std::string()));
        int screenX = -1;
        int screenY = -1;
        std::string line;
        while (std::getline(where, line)) {
            if (line.rfind("X=", 0) == 0) screenX = std::atoi(line.c_str() + 2);
            if (line.rfind("Y=", 0) == 0) screenY = std::atoi(line.c_str() + 2);
        }
        if (screenX == window.x + windowX && screenY == window.y + windowY) return;
        Xdotool("mousemove --sync --window " + windowId + " " + std::to_string(windowX) + " " +
                std::to_string(windowY));
    }

    void MovePointerToField(int fieldX, int fieldY) {
        MovePointer(fieldX, fieldY + kMenuStripHeight);
    }

    // A player's click: press, a moment's hold, release.
    void Click() {
        Xdotool("mousedown 1");
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        Xdotool("mouseup 1");
    }

    bool SettingsSay(const std::string& line) {
        return game->SettingsText().find(line + "\n") != std::string::npos;
    }

    // The id and size of the box whose title begins so, while it is shown. xdotool's search
    // passes over windows without a class, as the boxes are; xwininfo lists every window
    // with its title and size ("0x600002 \"About\": ()  520x300+252+3  +252+3").
    struct Box {
        std::string id;
        int width = 0;
        int height = 0;
    };
    static std::optional<Box> BoxTitled(const std::string& title) {
        std::istringstream windows(
            RunCommand("xwininfo -root -tree 2>/dev/null").value_or(std::string()));
        std::string line;
        while (std::getline(windows, line)) {
            const size_t titled = line.find(" \"" + title);
            if (titled == std::string::npos) continue;
            Box box;
            std::istringstream(line) >> box.id;
            const size_t size = line.find(")  ", titled);
            if (size != std::string::npos) {
                std::sscanf(line.c_str() + size + 3, "%dx%d", &box.width, &box.height);
            }
            return box;
        }
        return std::nullopt;
    }

    void CheckWindowSize() {
        EXPECT_EQ(window.width, kFieldWidth);
        EXPECT_EQ(window.height, kFieldHeight + kMenuStripHeight);
        EXPECT_EQ(FirstLine(RunCommand("xdotool getwindowname " + windowId)).rfind("Pebblor", 0),
                  0u);
        const Surface shot = WindowShot();
        EXPECT_EQ(shot.At(250, kMenuStripHeight / 2), kMenuStripColour) << "no menu strip";
        EXPECT_NE(shot.At(250, kMenuStripHeight), kMenuStripColour) << "the strip is too tall";
    }

    void CheckSoundSettingWrittenAtStart() {
        ASSERT_TRUE(WaitUntil([this] { return SettingsSay("PebblorSoundSetting=Y"); }, kLongWaitMs))
            << game->SettingsText();
        EXPECT_NE(game->SettingsText().find("[Software\\Zorvane]\n"), std::string::npos);
    }

    void CheckTitleScreen() {
        Surface title;
        ASSERT_TRUE(WaitUntil(
            [&] {
                title = FieldShot();
                return CountPixels(title, kHighScoresHeading, IsPaleGreen) > 40;
            },
            kLongWaitMs))
            << "no \"High Scores\" heading";
        EXPECT_GT(CountPixels(title, kTitlePicture, IsGold), 1000) << "no title picture";
        EXPECT_LT(CountPixels(title, kTableInitials, IsTableGrey), 10)
            << "initials on the title: not the empty table of the player's data folder";
        EXPECT_GE(LeftmostPixel(title, kScoreLine, IsPaleGreen), kScoreTextStartsBefore)
            << "the title's last line looks like the score line";
    }

    // Idle on the title, the game sleeps between frames instead of spinning: a loose bound
    // that only a busy loop breaks.
    void CheckIdleTitleSleeps() {
        const std::optional<double> before = game->CpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const std::optional<double> after = game->CpuSeconds();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        ASSERT_TRUE(before && after);
        EXPECT_LT((*after - *before) / elapsed.count(), 0.5)
            << "the idle title kept a processor busy";
    }

    void StartGameWithAClick() {
        MovePointerToField(kRestX, kDragStartY);
        Click();
        Surface playing;
        ASSERT_TRUE(WaitUntil(
            [&] {
                playing = FieldShot();
                return LeftmostPixel(playing, kScoreLine, IsPaleGreen) < kScoreTextStartsBefore &&
                       CountPixels(playing, kTitlePicture, IsGold) < 50;
            },
            kShortWaitMs))
            << "no game started: score line from x = "
            << LeftmostPixel(playing, kScoreLine, IsPaleGreen) << ", title picture "
            << CountPixels(playing, kTitlePicture, IsGold);
        EXPECT_GT(CountPixels(playing, kScoreLine, IsPaleGreen), 50);
        EXPECT_EQ(CountPixels(playing, kHighScoresHeading, IsPaleGreen), 0);
    }

    void FireABall() {
        ASSERT_TRUE(
            WaitUntil([&] { return IsNear(BallIn(AroundPoint(kRestX, kRestY)), kRestX, kRestY); },
                      kShortWaitMs))
            << "no ball in the slingshot";

        // Pulled straight down, step by step, from wherever the button went down.
        Xdotool("mousedown 1");
        for (int pulled = 8; pulled <= kPull; pulled += 8) {
            MovePointerToField(kRestX, kDragStartY + pulled);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const int pulledY = kRestY + kPull;
        ASSERT_TRUE(
            WaitUntil([&] { return IsNear(BallIn(AroundPoint(kRestX, pulledY)), kRestX, pulledY); },
                      kShortWaitMs))
            << "the drag did not pull the ball down";
        Xdotool("mouseup 1");

        std::optional<Spot> flying;
        ASSERT_TRUE(WaitUntil(
            [&] {
                flying = BallIn(kAboveTheSlingshot);
                return flying.has_value();
            },
            kShortWaitMs))
            << "the ball never flew up the field";
        EXPECT_LE(std::abs(flying->x - kRestX), kBallTolerance) << "a straight pull flies straight";
        const int firstSeenAt = flying->y;
        EXPECT_TRUE(WaitUntil(
            [&] {
                flying = BallIn(kAboveTheSlingshot);
                return flying && flying->y < firstSeenAt;
            },
            kShortWaitMs))
            << "the ball did not go on up the field from y = " << firstSeenAt;
        EXPECT_TRUE(
            WaitUntil([&] { return IsNear(BallIn(AroundPoint(kRestX, kRestY)), kRestX, kRestY); },
                      kShortWaitMs))
            << "no new ball in the slingshot";
    }

    void ChooseSoundItem() {
        MovePointer(kOptionsTitleX, kOptionsTitleY);
        Click();
        ASSERT_TRUE(WaitUntil(
            [this] { return CountPixels(WindowShot(), kOptionsTitle, IsMenuHighlight) > 100; },
            kShortWaitMs))
            << "the Options menu did not open";
        MovePointer(kSoundItemX, kSoundItemY);
        Click();
    }

    void ToggleSoundTwice() {
        ASSERT_NO_FATAL_FAILURE(ChooseSoundItem());
        EXPECT_TRUE(
            WaitUntil([this] { return SettingsSay("PebblorSoundSetting=N"); }, kShortWaitMs))
            << game->SettingsText();
        ASSERT_NO_FATAL_FAILURE(ChooseSoundItem());
        EXPECT_TRUE(
            WaitUntil([this] { return SettingsSay("PebblorSoundSetting=Y"); }, kShortWaitMs))
            << game->SettingsText();
    }

    // Opens a box with the keys given, checks that it fits the screen and closes it.
    void OpenAndCloseBox(const std::string& keys, const std::string& title) {
        Xdotool("windowfocus --sync " + windowId);
        Xdotool("key " + keys);
        std::optional<Box> box;
        ASSERT_TRUE(WaitUntil(
            [&] {
                box = BoxTitled(title);
                return box.has_value();
            },
            kShortWaitMs))
            << "no " << title << " box";
        EXPECT_GT(box->width, 0);
        EXPECT_LE(box->width, 1024) << "the " << title << " box is wider than the screen";
        EXPECT_LE(box->height, 768) << "the " << title << " box is taller than the screen";
        Xdotool("windowfocus --sync " + box->id + " key Return");
        EXPECT_TRUE(WaitUntil([&] { return !BoxTitled(title).has_value(); }, kShortWaitMs))
            << "Enter did not close the " << title << " box";
        ASSERT_TRUE(StillRunning());
    }

    void CloseTheWindow() {
        std::string error;
        ASSERT_TRUE(RequestWindowClose(windowId, error)) << error;
        const std::optional<int> status = game->WaitForExit(kLongWaitMs);
        ASSERT_TRUE(status) << "the game did not end when its window was closed";
        EXPECT_TRUE(WIFEXITED(*status) && WEXITSTATUS(*status) == 0) << DescribeStatus(*status);
    }

    // Nothing in the folder it ran in: its settings and its table in the player's folders.
    void CheckFilesKeptInThePlayersFolders() {
        EXPECT_EQ(
            game->FilesInItsFolders(),
            (std::vector<std::string>{"config/pebblor/settings.ini", "data/pebblor/hiscores.dat"}));
    }

    std::unique_ptr<GameProcess> game;
    std::string windowId;
    ScreenRect window;
};

}  // namespace

TEST_F(GameSmokeTest, APlayerStartsAGameFiresABallUsesTheMenusAndBoxesAndClosesTheWindow) {
    ASSERT_NO_FATAL_FAILURE(CheckWindowSize());
    ASSERT_NO_FATAL_FAILURE(CheckSoundSettingWrittenAtStart());
    ASSERT_NO_FATAL_FAILURE(CheckTitleScreen());
    ASSERT_NO_FATAL_FAILURE(CheckIdleTitleSleeps());
    ASSERT_NO_FATAL_FAILURE(StartGameWithAClick());
    ASSERT_NO_FATAL_FAILURE(FireABall());
    ASSERT_NO_FATAL_FAILURE(ToggleSoundTwice());
    // F10 opens the first menu, Right the Help menu, H its How to Play item.
    ASSERT_NO_FATAL_FAILURE(OpenAndCloseBox("F10 Right h", "How to Play"));
    ASSERT_NO_FATAL_FAILURE(OpenAndCloseBox("alt+slash", "About"));
    ASSERT_NO_FATAL_FAILURE(CloseTheWindow());
    ASSERT_NO_FATAL_FAILURE(CheckFilesKeptInThePlayersFolders());
}
