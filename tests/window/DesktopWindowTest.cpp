// The desktop window on a real X display: size, presentation, repaint, mouse, keys, menus,
// modal boxes, closing and sound fallback.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "XSession.h"
#include "platform/sdl/DesktopPlatform.h"

namespace {

std::vector<Message> received;

// Records every message and behaves as the game does: captures the mouse while the button
// is held, ends the loop when the window goes.
intptr_t RecordingProcedure(Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    received.push_back(Message{message, wParam, lParam});
    if (message == WM_LBUTTONDOWN) window.SetCapture();
    if (message == WM_LBUTTONUP) window.ReleaseCapture();
    if (message == WM_DESTROY) window.PostQuitMessage(0);
    return DefWindowProc(window, message, wParam, lParam);
}

bool IsMouseMessage(const Message& m) {
    return m.message == WM_MOUSEMOVE || m.message == WM_LBUTTONDOWN || m.message == WM_LBUTTONUP;
}

int MouseX(const Message& m) { return int16_t(LowWord(uintptr_t(m.lParam))); }
int MouseY(const Message& m) { return int16_t(HighWord(uintptr_t(m.lParam))); }

constexpr Pixel kRed = MakePixel(220, 30, 40);
constexpr Pixel kGreen = MakePixel(20, 200, 60);

class DesktopWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
        for (const char* tool : {"xdotool", "xwininfo", "import", "timeout"}) {
            if (!HaveTool(tool)) GTEST_SKIP() << tool << " is not installed";
        }
        received.clear();
        static int count = 0;
        title = "Pebblor window test " + std::to_string(getpid()) + "-" + std::to_string(++count);
        Open(DesktopOptions{title, Menus(), Surface(), Surface(), 0});
    }

    void TearDown() override { platform.reset(); }

    static std::vector<Menu> Menus() {
        return {Menu{"&Options", {MenuItem{"Turn Sound Off", IDM_SOUND}}},
                Menu{"&Help", {MenuItem{"&About ...", IDM_ABOUT}}}};
    }

    void Open(const DesktopOptions& options) {
        std::string error;
        platform = DesktopPlatform::Create(options, error);
        ASSERT_NE(platform, nullptr) << error;
        window().SetProcedure(&RecordingProcedure);
        std::optional<std::string> id = FindWindow(options.title);
        ASSERT_TRUE(id) << "the window never appeared";
        windowId = *id;
        Pump([] { return false; }, 300);
    }

    Window& window() { return platform->MainWindow(); }

    // Delivers messages until `done` holds; false when it never did within a generous limit
    // (a guard against hanging, not a measure of speed).
    bool Pump(const std::function<bool()>& done, int limitMs = 10000) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
        Message message;
        while (std::chrono::steady_clock::now() < deadline) {
            while (window().PeekMessage(message)) {
                if (message.message == WM_QUIT) {
                    received.push_back(message);
                    continue;
                }
                window().Dispatch(message);
            }
            if (done()) return true;
            window().WaitMessage(20);
        }
        return done();
    }

    static bool Received(uint32_t message, uintptr_t wParam) {
        for (const Message& m : received) {
            if (m.message == message && m.wParam == wParam) return true;
        }
        return false;
    }

    static const Message* Last(uint32_t message) {
        for (auto m = received.rbegin(); m != received.rend(); ++m) {
            if (m->message == message) return &*m;
        }
        return nullptr;
    }

    // The screen position of a window pixel.
    ScreenRect Geometry() {
        std::optional<ScreenRect> geometry = WindowGeometry(windowId);
        EXPECT_TRUE(geometry);
        return geometry.value_or(ScreenRect{});
    }

    void Xdotool(const std::string& arguments) {
        ASSERT_TRUE(RunCommand("xdotool " + arguments)) << arguments;
    }

    // Moves the pointer to a window pixel (scale 1: window pixels are screen pixels).
    void MoveTo(int windowX, int windowY) {
        Xdotool("mousemove --sync --window " + windowId + " " + std::to_string(windowX) + " " +
                std::to_string(windowY));
    }

    void Focus() {
        Xdotool("windowfocus --sync " + windowId);
        Pump([] { return false; }, 200);
    }

    std::unique_ptr<DesktopPlatform> platform;
    std::string title;
    std::string windowId;
};

}  // namespace

TEST_F(DesktopWindowTest, ClientAreaIsTheFieldBelowTheMenuBar) {
    const ScreenRect geometry = Geometry();
    EXPECT_EQ(platform->MainWindow().DisplayScale(), 1);  // a 1024 x 768 screen has room for scale 1 only
    EXPECT_EQ(geometry.width, 288);
    EXPECT_EQ(geometry.height, 576 + kMenuBarHeight);
    EXPECT_EQ(platform->Layout().FieldRect(), (Rect{0, kMenuBarHeight, 288, 596}));
    EXPECT_EQ(window().ClientPixels().Width(), 288);
    EXPECT_EQ(window().ClientPixels().Height(), 576);
}

TEST_F(DesktopWindowTest, PresentShowsExactlyTheGivenRectangles) {
    Surface backBuffer(288, 576);
    backBuffer.Fill(kRed);
    for (int y = 100; y < 200; ++y) {
        for (int x = 50; x < 150; ++x) backBuffer.Set(x, y, kGreen);
    }
    const Rect shown[] = {Rect{40, 90, 160, 210}, Rect{280, 570, 300, 600}};
    window().Present(backBuffer, shown);

    const Surface& client = window().ClientPixels();
    EXPECT_EQ(client.At(40, 90), kRed);
    EXPECT_EQ(client.At(100, 150), kGreen);
    EXPECT_EQ(client.At(159, 209), kRed);
    EXPECT_EQ(client.At(160, 150), 0u);
    EXPECT_EQ(client.At(39, 150), 0u);
    EXPECT_EQ(client.At(100, 89), 0u);
    EXPECT_EQ(client.At(287, 575), kRed);  // the part of the second rectangle on the field
    EXPECT_EQ(client.At(279, 575), 0u);

    const ScreenRect geometry = Geometry();
    const Surface screen = Screenshot();
    ASSERT_FALSE(screen.IsEmpty());
    auto at = [&](int x, int y) {
        return screen.At(geometry.x + x, geometry.y + kMenuBarHeight + y);
    };
    EXPECT_EQ(at(40, 90), kRed);
    EXPECT_EQ(at(100, 150), kGreen);
    EXPECT_EQ(at(160, 150), 0u);
    EXPECT_EQ(at(100, 89), 0u);
    EXPECT_EQ(at(287, 575), kRed);
    // The menu bar is drawn above the field in a light colour.
    EXPECT_GT(PixelGreen(screen.At(geometry.x + 250, geometry.y + 10)), 200);
}

TEST_F(DesktopWindowTest, ExposedWindowRepaintsItselfAndTellsTheGame) {
    Surface backBuffer(288, 576);
    backBuffer.Fill(kGreen);
    const Rect all[] = {backBuffer.Bounds()};
    window().Present(backBuffer, all);
    received.clear();

    Xdotool("windowunmap --sync " + windowId);
    Xdotool("windowmap --sync " + windowId);
    ASSERT_TRUE(Pump([] { return Received(WM_PAINT, 0); }));

    const ScreenRect geometry = Geometry();
    const Surface screen = Screenshot();
    ASSERT_FALSE(screen.IsEmpty());
    EXPECT_EQ(screen.At(geometry.x + 144, geometry.y + kMenuBarHeight + 300), kGreen);
    EXPECT_EQ(screen.At(geometry.x + 287, geometry.y + kMenuBarHeight + 575), kGreen);
}

TEST_F(DesktopWindowTest, MouseMessagesCarryFieldCoordinatesAndFollowTheCapture) {
    MoveTo(100, kMenuBarHeight + 200);
    ASSERT_TRUE(Pump([] { return Last(WM_MOUSEMOVE) != nullptr; }));
    const Message* move = Last(WM_MOUSEMOVE);
    EXPECT_EQ(MouseX(*move), 100);
    EXPECT_EQ(MouseY(*move), 200);
    EXPECT_EQ(move->wParam, 0u);

    Xdotool("mousedown 1");
    ASSERT_TRUE(Pump([] { return Last(WM_LBUTTONDOWN) != nullptr; }));
    EXPECT_EQ(MouseX(*Last(WM_LBUTTONDOWN)), 100);
    EXPECT_EQ(MouseY(*Last(WM_LBUTTONDOWN)), 200);
    EXPECT_EQ(Last(WM_LBUTTONDOWN)->wParam, MK_LBUTTON);

    // Dragged out of the window to the left: the positions keep coming, as negative words.
    received.clear();
    const ScreenRect geometry = Geometry();
    ASSERT_GE(geometry.x, 40);
    Xdotool("mousemove --sync " + std::to_string(geometry.x - 30) + " " +
            std::to_string(geometry.y + kMenuBarHeight + 250));
    ASSERT_TRUE(
        Pump([] { return Last(WM_MOUSEMOVE) != nullptr && MouseX(*Last(WM_MOUSEMOVE)) < 0; }));
    move = Last(WM_MOUSEMOVE);
    EXPECT_EQ(MouseX(*move), -30);
    EXPECT_EQ(MouseY(*move), 250);
    EXPECT_GT(LowWord(uintptr_t(move->lParam)), 32000);
    EXPECT_EQ(move->wParam, MK_LBUTTON);

    Xdotool("mouseup 1");
    ASSERT_TRUE(Pump([] { return Last(WM_LBUTTONUP) != nullptr; }));
    EXPECT_EQ(MouseX(*Last(WM_LBUTTONUP)), -30);
    EXPECT_EQ(Last(WM_LBUTTONUP)->wParam, 0u);

    // Without the capture the pointer over the menu bar is not the game's.
    received.clear();
    MoveTo(200, 5);
    MoveTo(201, 6);
    Pump([] { return false; }, 300);
    for (const Message& m : received) EXPECT_FALSE(IsMouseMessage(m)) << m.message;
}

TEST_F(DesktopWindowTest, MenuItemsSendTheirCommands) {
    const MenuBar& menus = platform->Menus();
    auto centre = [](const Rect& r) {
        return std::to_string((r.left + r.right) / 2) + " " +
               std::to_string((r.top + r.bottom) / 2);
    };
    // Both clicks go in at once: the first opens the menu, whose loop then takes the second.
    Xdotool("mousemove --sync --window " + windowId + " " + centre(menus.TitleRect(1)) +
            " click 1 mousemove --sync --window " + windowId + " " + centre(menus.ItemRect(1, 0)) +
            " click 1");
    ASSERT_TRUE(Pump([] { return Received(WM_COMMAND, IDM_ABOUT); }));

    window().SetMenuItemText(IDM_SOUND, "Turn Sound On");
    EXPECT_EQ(menus.ItemText(0, 0), "Turn Sound On");
    Xdotool("mousemove --sync --window " + windowId + " " + centre(menus.TitleRect(0)) +
            " click 1 mousemove --sync --window " + windowId + " " + centre(menus.ItemRect(0, 0)) +
            " click 1");
    ASSERT_TRUE(Pump([] { return Received(WM_COMMAND, IDM_SOUND); }));
    for (const Message& m : received) {
        EXPECT_NE(m.message, WM_LBUTTONDOWN);
        EXPECT_NE(m.message, WM_LBUTTONUP);
    }
}

TEST_F(DesktopWindowTest, AClickOutsideAnOpenMenuClosesItAndIsNotTheGames) {
    const MenuBar& menus = platform->Menus();
    const Rect help = menus.TitleRect(1);
    Xdotool("mousemove --sync --window " + windowId + " " +
            std::to_string((help.left + help.right) / 2) +
            " 10 click 1 mousemove --sync --window " + windowId + " 200 400 click 1");
    Pump([] { return false; }, 500);
    // The menu is closed: the next click in the field is the game's again.
    Xdotool("click 1");
    ASSERT_TRUE(Pump([] { return Last(WM_LBUTTONUP) != nullptr; }));
    int downs = 0;
    for (const Message& m : received) {
        downs += m.message == WM_LBUTTONDOWN;
        EXPECT_NE(m.message, WM_COMMAND);
    }
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(MouseX(*Last(WM_LBUTTONUP)), 200);
    EXPECT_EQ(MouseY(*Last(WM_LBUTTONUP)), 400 - kMenuBarHeight);
}

TEST_F(DesktopWindowTest, KeysAcceleratorsAndAltEnter) {
    Focus();
    Xdotool("key --clearmodifiers p");
    ASSERT_TRUE(Pump([] { return Received(WM_KEYUP, 'P'); }));
    EXPECT_TRUE(Received(WM_KEYDOWN, 'P'));

    received.clear();
    Xdotool("key alt+slash");
    Xdotool("key alt+question");
    ASSERT_TRUE(Pump([] {
        int commands = 0;
        for (const Message& m : received) commands += m.message == WM_COMMAND;
        return commands == 2;
    }));
    for (const Message& m : received) {
        if (m.message == WM_COMMAND) {
            EXPECT_EQ(m.wParam, uintptr_t(IDM_ABOUT));
        }
        EXPECT_NE(m.wParam, VK_OEM_2) << "the accelerator's key reached the game";
    }

    received.clear();
    Xdotool("key alt+Return");
    ASSERT_TRUE(Pump([this] { return platform->IsFullscreen(); }));
    Xdotool("key alt+Return");
    ASSERT_TRUE(Pump([this] { return !platform->IsFullscreen(); }));
    Xdotool("key Return");
    ASSERT_TRUE(Pump([] { return Received(WM_KEYUP, VK_RETURN); }));
    int returns = 0;
    for (const Message& m : received) returns += m.wParam == VK_RETURN;
    EXPECT_EQ(returns, 2) << "only the plain Enter reaches the game";
    EXPECT_TRUE(Received(WM_SYSKEYDOWN, VK_MENU));
}

TEST_F(DesktopWindowTest, F10OpensTheFirstMenuClosesItAgainAndNeverReachesTheGame) {
    Focus();
    // Opened from the keyboard, the menu highlights its first item: Enter chooses it.
    Xdotool("key F10 Return");
    ASSERT_TRUE(Pump([] { return Received(WM_COMMAND, IDM_SOUND); }));
    // A second F10 closes the menu: the next key is the game's again.
    Xdotool("key F10 F10 p");
    ASSERT_TRUE(Pump([] { return Received(WM_KEYUP, 'P'); }));
    int commands = 0;
    for (const Message& m : received) {
        commands += m.message == WM_COMMAND;
        const bool key = m.message == WM_KEYDOWN || m.message == WM_KEYUP ||
                         m.message == WM_SYSKEYDOWN || m.message == WM_SYSKEYUP;
        EXPECT_FALSE(key && m.wParam == VK_F10) << "F10 reached the game";
    }
    EXPECT_EQ(commands, 1);
}

TEST_F(DesktopWindowTest, FullscreenCentresTheFieldAndMapsThePointer) {
    Surface backBuffer(288, 576);
    backBuffer.Fill(kGreen);
    const Rect all[] = {backBuffer.Bounds()};
    window().Present(backBuffer, all);
    platform->SetFullscreen(true);
    ASSERT_TRUE(platform->IsFullscreen());
    Pump([] { return false; }, 300);
    if (Geometry().width != 1024) {
        GTEST_SKIP() << "no window manager on this display puts windows in full screen";
    }
    const WindowLayout layout = platform->Layout();
    EXPECT_EQ(layout.window.width, 1024);
    EXPECT_EQ(layout.window.height, 768);
    EXPECT_EQ(layout.FieldRect(), (Rect{368, 106, 656, 682}));  // (748 - 576) / 2 below the bar

    const Surface screen = Screenshot();
    ASSERT_FALSE(screen.IsEmpty());
    EXPECT_EQ(screen.At(368, 106), kGreen);
    EXPECT_EQ(screen.At(655, 681), kGreen);
    EXPECT_EQ(screen.At(367, 300), 0u);
    EXPECT_EQ(screen.At(500, 700), 0u);

    received.clear();
    Xdotool("mousemove --sync 400 150");
    ASSERT_TRUE(Pump([] { return Last(WM_MOUSEMOVE) != nullptr; }));
    EXPECT_EQ(MouseX(*Last(WM_MOUSEMOVE)), 32);
    EXPECT_EQ(MouseY(*Last(WM_MOUSEMOVE)), 44);

    platform->SetFullscreen(false);
    Pump([] { return false; }, 300);
    EXPECT_EQ(Geometry().width, 288);
    EXPECT_EQ(Geometry().height, 596);
}

TEST_F(DesktopWindowTest, LargerScaleGrowsTheWindowAndThePixels) {
    Surface backBuffer(288, 576);
    for (int y = 0; y < 576; ++y) {
        for (int x = 0; x < 288; ++x) backBuffer.Set(x, y, (x + y) % 2 == 0 ? kRed : kGreen);
    }
    platform->MainWindow().SetDisplayScale(2);
    const Rect some[] = {Rect{0, 0, 20, 20}};
    window().Present(backBuffer, some);
    Pump([] { return false; }, 300);
    const ScreenRect geometry = Geometry();
    EXPECT_EQ(geometry.width, 576);
    EXPECT_EQ(geometry.height, 1192);
    const Surface screen = Screenshot();
    ASSERT_FALSE(screen.IsEmpty());
    const int top = geometry.y + 2 * kMenuBarHeight;
    EXPECT_EQ(screen.At(geometry.x + 0, top + 0), kRed);
    EXPECT_EQ(screen.At(geometry.x + 1, top + 1), kRed);  // the same field pixel, grown
    EXPECT_EQ(screen.At(geometry.x + 2, top + 0), kGreen);
    EXPECT_EQ(screen.At(geometry.x + 3, top + 1), kGreen);
    EXPECT_EQ(screen.At(geometry.x + 39, top + 39), kRed);
    EXPECT_EQ(screen.At(geometry.x + 40, top + 39), 0u);

    received.clear();
    MoveTo(81, 2 * kMenuBarHeight + 121);
    ASSERT_TRUE(Pump([] { return Last(WM_MOUSEMOVE) != nullptr; }));
    EXPECT_EQ(MouseX(*Last(WM_MOUSEMOVE)), 40);
    EXPECT_EQ(MouseY(*Last(WM_MOUSEMOVE)), 60);
}

TEST_F(DesktopWindowTest, BoxesCloseWithReturnAndEscape) {
    // Each box blocks until a key closes it: the helper presses it once the box is up.
    PressKeyWhenShown("Game Failure", "Return");
    window().ShowMessageBox("Game Failure", "No game mode on stack; expected one!");
    PressKeyWhenShown("About Pebblor", "Escape");
    window().ShowAboutBox("About Pebblor", "Pebblor\nby us", "Good Luck!");
    PressKeyWhenShown("About Pebblor", "Return");
    window().ShowAboutBox("About Pebblor", "Pebblor\nby us", "Good Luck!");
}

TEST_F(DesktopWindowTest, CloseRequestsBecomeWmCloseAndDestroyRunsOnce) {
    std::raise(SIGINT);  // SDL turns it into a quit request
    ASSERT_TRUE(Pump([] { return Received(WM_CLOSE, 0); }));
    // The default handling destroyed the window; WM_DESTROY posted the quit.
    EXPECT_TRUE(window().IsDestroyed());
    ASSERT_TRUE(Pump([] { return Received(WM_QUIT, 0); }));
    window().Destroy();
    int destroys = 0;
    for (const Message& m : received) destroys += m.message == WM_DESTROY;
    EXPECT_EQ(destroys, 1);
    // Presenting to a closed window keeps the pixels and shows nothing.
    Surface backBuffer(288, 576);
    backBuffer.Fill(kRed);
    const Rect all[] = {backBuffer.Bounds()};
    window().Present(backBuffer, all);
    EXPECT_EQ(window().ClientPixels().At(5, 5), kRed);
}

TEST_F(DesktopWindowTest, ActivationFollowsTheFocus) {
    Focus();
    ASSERT_TRUE(Pump([] { return Received(WM_ACTIVATE, WA_ACTIVE); }));
}

TEST(DesktopPlatformTest, WithoutASoundDeviceTheGameStillRunsSilently) {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    const char* saved = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = saved != nullptr ? saved : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::string error;
    std::unique_ptr<DesktopPlatform> silent = DesktopPlatform::Create(
        DesktopOptions{"Pebblor silent", {}, Surface(), Surface(), 1}, error);
    ASSERT_NE(silent, nullptr) << error;
    EXPECT_FALSE(silent->HasSoundDevice());
    silent->Audio().PlayClip(145);
    silent->Audio().StopClip();
    silent.reset();

    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::unique_ptr<DesktopPlatform> dummy = DesktopPlatform::Create(
        DesktopOptions{"Pebblor dummy", {}, Surface(), Surface(), 1}, error);
    ASSERT_NE(dummy, nullptr) << error;
    EXPECT_TRUE(dummy->HasSoundDevice());
    for (int id : {145, 156, 161, 173, 999}) dummy->Audio().PlayClip(id);
    dummy->Audio().StopClip();
    dummy.reset();

    if (saved != nullptr) {
        setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
    } else {
        unsetenv("SDL_AUDIODRIVER");
    }
}

TEST(DesktopPlatformTest, WithoutADisplayNoWindowOpensAndTheReasonIsGiven) {
    const char* saved = std::getenv("DISPLAY");
    if (saved == nullptr) GTEST_SKIP() << "no X display";
    const std::string display = saved;
    unsetenv("DISPLAY");
    std::string error;
    // SDL would fall back to drawing nowhere; the game must not run unseen.
    std::unique_ptr<DesktopPlatform> none = DesktopPlatform::Create(
        DesktopOptions{"Pebblor nowhere", {}, Surface(), Surface(), 1}, error);
    setenv("DISPLAY", display.c_str(), 1);
    EXPECT_EQ(none, nullptr);
    EXPECT_FALSE(error.empty());
}
