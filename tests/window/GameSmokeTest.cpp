// The real game on a real X display, played from outside as a player would: the window's
// size, the title screen, the How to Play box from the keyboard's menu, closing the window,
// and the files it kept: only in the player's folders; and a whole game, started with a click and
// its balls fired, kept and replayed by the headless runner to the result it entered. The game is
// the one built here, or the one PEBBLOR_GAME_PROGRAM names.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "FieldPixels.h"
#include "GameProcess.h"
#include "WindowCloseRequest.h"
#include "XSession.h"
#include "platform/FieldGeometry.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/display/FieldLayout.h"
#include "support/SimRun.h"

namespace {

// Guards against hanging, not timings: what is awaited comes within a few frames, but a
// loaded machine may take many seconds over them.
constexpr int kShortWaitMs = 30000;
constexpr int kLongWaitMs = 60000;

// Where the play screen puts things, in field pixels.
constexpr Rect kTitlePicture{0, 20, 288, 210};
constexpr Rect kHighScoresHeading{0, 220, 288, 240};
constexpr Rect kTableInitials{0, 268, 76, 468};
constexpr Rect kScoreLine{30, 546, 288, 573};
// "Score:" starts at x = 30; the title's centred "Click mouse to start playing", on the same
// rows, starts some 30 pixels further right.
constexpr int kScoreTextStartsBefore = 40;
// The ball: at rest at (144, 460.8); pulled 80 pixels down it rests 80 pixels lower. Its
// silvery highlight, which is what is found of it, lies a little up and left of its centre.
constexpr int kRestX = 144;
constexpr int kRestY = 460;
constexpr int kPull = 80;
constexpr int kBallTolerance = 5;
constexpr int kDragStartY = 300;

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

struct Spot {
    int x = 0;
    int y = 0;
};

// The middle of the densest 16 x 16 patch of ball-coloured pixels in the area, if it holds
// enough of them to be the ball (a 14 x 14 sprite with some 47) rather than gem glints.
std::optional<Spot> FindBall(const Surface& field, const Rect& area) {
    constexpr int kPatch = 16;
    constexpr int kEnough = 25;
    const Rect inside = Intersect(area, field.Bounds());
    if (inside.Width() < kPatch || inside.Height() < kPatch) return std::nullopt;
    // counts[y][x]: ball-coloured pixels above and left of (x, y) within the area.
    const int width = inside.Width() + 1;
    std::vector<int> counts(size_t(width) * size_t(inside.Height() + 1), 0);
    auto count = [&](int x, int y) -> int& {
        return counts[size_t(y) * size_t(width) + size_t(x)];
    };
    for (int y = 0; y < inside.Height(); ++y) {
        for (int x = 0; x < inside.Width(); ++x) {
            count(x + 1, y + 1) = count(x, y + 1) + count(x + 1, y) - count(x, y) +
                                  (IsBallColour(field.At(inside.left + x, inside.top + y)) ? 1 : 0);
        }
    }
    int bestCount = kEnough - 1;
    std::optional<Rect> best;
    for (int y = 0; y + kPatch <= inside.Height(); ++y) {
        for (int x = 0; x + kPatch <= inside.Width(); ++x) {
            const int found = count(x + kPatch, y + kPatch) - count(x, y + kPatch) -
                              count(x + kPatch, y) + count(x, y);
            if (found > bestCount) {
                bestCount = found;
                best = Rect{inside.left + x, inside.top + y, inside.left + x + kPatch,
                            inside.top + y + kPatch};
            }
        }
    }
    if (!best) return std::nullopt;
    // The patch's corner depends on the scan's order; the pixels' own middle does not.
    int sumX = 0;
    int sumY = 0;
    int found = 0;
    for (int y = best->top; y < best->bottom; ++y) {
        for (int x = best->left; x < best->right; ++x) {
            if (!IsBallColour(field.At(x, y))) continue;
            sumX += x;
            sumY += y;
            ++found;
        }
    }
    return Spot{sumX / found, sumY / found};
}

bool IsNear(const std::optional<Spot>& ball, int x, int y) {
    return ball && std::abs(ball->x - x) <= kBallTolerance &&
           std::abs(ball->y - y) <= kBallTolerance;
}

Rect AroundPoint(int x, int y) {
    constexpr int kReach = 20;
    return Rect{x - kReach, y - kReach, x + kReach, y + kReach};
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
        const char* program = std::getenv("PEBBLOR_GAME_PROGRAM");
        std::string error;
        game = GameProcess::Start(program != nullptr ? program : PEBBLOR_GAME_PROGRAM, error,
                                  highScores);
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
        layout = WindowedLayout(PixelSize{window.width, window.height});
    }

    bool StillRunning() { return !game->WaitForExit(0).has_value(); }

    void Xdotool(const std::string& arguments) {
        ASSERT_TRUE(RunCommand("xdotool " + arguments)) << "xdotool " << arguments;
    }

    // The game window as a player sees it: the menu strip on top, the field below.
    // Black where it cannot be read.
    Surface WindowShot() {
        Surface shot = Screenshot(window);
        if (shot.Width() != window.width || shot.Height() != window.height) {
            return Surface(window.width, window.height);
        }
        return shot;
    }

    // The first window pixel inside a field pixel.
    Spot WindowPixelOf(int fieldX, int fieldY) const {
        const int size = layout.field.Height();
        return Spot{layout.field.left + (fieldX * size + kFieldHeight - 1) / kFieldHeight,
                    layout.field.top + (fieldY * size + kFieldHeight - 1) / kFieldHeight};
    }

    // The field in field pixels, each read where the window shows it.
    Surface FieldShot() {
        const Surface shot = WindowShot();
        Surface field(kFieldWidth, kFieldHeight);
        for (int y = 0; y < kFieldHeight; ++y) {
            for (int x = 0; x < kFieldWidth; ++x) {
                const Spot at = WindowPixelOf(x, y);
                field.Set(x, y, shot.At(at.x, at.y));
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
        const Spot at = WindowPixelOf(fieldX, fieldY);
        MovePointer(at.x, at.y);
    }

    // A player's click: press, a moment's hold, release.
    void Click() {
        Xdotool("mousedown 1");
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        Xdotool("mouseup 1");
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

    // The game's first window: its field nearly as tall as the screen (how any first window
    // fits a managed screen: DesktopWindowTest's ScreenTest).
    void CheckWindowSize() {
        const std::optional<ScreenRect> screen = ScreenSize();
        ASSERT_TRUE(screen);
        EXPECT_GE(layout.field.Height() * 100, screen->height * 85);
        EXPECT_EQ(FirstLine(RunCommand("xdotool getwindowname " + windowId)).rfind("Pebblor", 0),
                  0u);
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

    // Seen there twice in a row: a ball just let go passes through the resting place.
    void WaitForABallInTheSlingshot() {
        bool seenBefore = false;
        ASSERT_TRUE(WaitUntil(
            [&] {
                const bool seen = IsNear(BallIn(AroundPoint(kRestX, kRestY)), kRestX, kRestY);
                const bool twice = seen && seenBefore;
                seenBefore = seen;
                return twice;
            },
            kShortWaitMs))
            << "no ball in the slingshot";
    }

    // The resting ball, pulled from the drag's start by dx across and `pull` down in steps of
    // 8 field pixels, and let go.
    void Pull(int dx, int pull) {
        ASSERT_NO_FATAL_FAILURE(WaitForABallInTheSlingshot());
        MovePointerToField(kRestX, kDragStartY);
        Xdotool("mousedown 1");
        const int steps = pull / 8;
        for (int step = 1; step <= steps; ++step) {
            MovePointerToField(kRestX + dx * step / steps, kDragStartY + pull * step / steps);
        }
        Xdotool("mouseup 1");
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

    std::string highScores;  // the table the game starts with
    std::unique_ptr<GameProcess> game;
    std::string windowId;
    ScreenRect window;
    WindowLayout layout;
};

// A game played to its end against a table that any game beats, so that it is entered there.
class PlayedGameTest : public GameSmokeTest {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) highScores += "LOW\r\n-1\r\n0\r\n";
        GameSmokeTest::SetUp();
    }

    // The score and level of the table's row with these initials, as the game saved them.
    std::optional<std::pair<long, long>> SavedRow(const std::string& initials) {
        std::ifstream file(game->DataPath("hiscores.dat"), std::ios::binary);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
        }
        for (size_t i = 0; i + 2 < lines.size(); i += 3) {
            if (lines[i] == initials)
                return std::pair{std::stol(lines[i + 1]), std::stol(lines[i + 2])};
        }
        return std::nullopt;
    }
};

}  // namespace

TEST_F(GameSmokeTest, APlayerUsesTheMenusAndBoxesAndClosesTheWindow) {
    ASSERT_NO_FATAL_FAILURE(CheckWindowSize());
    ASSERT_NO_FATAL_FAILURE(CheckTitleScreen());
    // F10 opens the first menu, Right twice the Help menu, H its How to Play item.
    ASSERT_NO_FATAL_FAILURE(OpenAndCloseBox("F10 Right Right h", "How to Play"));
    ASSERT_NO_FATAL_FAILURE(CloseTheWindow());
    ASSERT_NO_FATAL_FAILURE(CheckFilesKeptInThePlayersFolders());
}

// A game played in the window as a player would, with pulls and the gems let down to the
// slingshot, is kept; the runner replays it to the score and level the game entered in its
// table. The pause and frame steps in a kept game are DesktopReplaysTest's.
TEST_F(PlayedGameTest, AGamePlayedInTheWindowReplaysToTheResultItEnteredInTheTable) {
    // The gems take some 80 s to come down at the game's frame rate, longer when a loaded
    // machine slows the frames.
    constexpr int kWholeGameMs = 600000;
    ASSERT_NO_FATAL_FAILURE(StartGameWithAClick());
    ASSERT_NO_FATAL_FAILURE(Pull(0, kPull));
    ASSERT_NO_FATAL_FAILURE(Pull(-30, 90));
    ASSERT_NO_FATAL_FAILURE(Pull(40, 70));
    const std::string last = game->DataPath("replays/last.replay");
    ASSERT_TRUE(
        WaitUntil([&] { return std::filesystem::exists(last) || !StillRunning(); }, kWholeGameMs))
        << "the game did not end, or its replay was not kept";
    Xdotool("windowfocus --sync " + windowId + " key a b c Return");
    std::optional<std::pair<long, long>> row;
    ASSERT_TRUE(WaitUntil([&] { return (row = SavedRow("ABC")).has_value(); }, kShortWaitMs))
        << "the game was not entered in the table";

    const SimResult replayed = RunSim({"--replay", last, "--dump-every", "0"});
    ASSERT_EQ(replayed.status, 0) << replayed.errorText;
    ASSERT_EQ(replayed.dump.size(), 1u);
    const JsonValue& end = replayed.dump[0];
    EXPECT_EQ(end["score"].Int(), row->first);
    EXPECT_EQ(end["level"].Int(), row->second);
    EXPECT_EQ(end["madeHighScore"].Int(), 1);
    EXPECT_GE(end["shotsFired"].Int(), 3);
    EXPECT_TRUE(
        std::filesystem::exists(game->DataPath("replays/ABC_" + std::to_string(row->first * 10) +
                                               "_" + std::to_string(row->second) + "_1.replay")));
    ASSERT_NO_FATAL_FAILURE(CloseTheWindow());
}
