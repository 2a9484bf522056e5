// The desktop window on a real X display: size, presentation, repaint, mouse, menus, modal
// boxes, focus, closing and sound fallback (the keys are the translator's and the game's
// tests'); and, on common screens with a window manager, the first window, resizing, full
// screen and the pictures and pointer at every size.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

#include "XSession.h"
#include "platform/FieldGeometry.h"
#include "platform/FieldPicture.h"
#include "platform/display/FieldLayout.h"
#include "platform/display/FieldScaler.h"
#include "platform/sdl/DesktopPlatform.h"
#include "sound/WaveResources.h"

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

DesktopOptions Options(const std::string& title, int scale) {
    DesktopOptions options;
    options.title = title;
    options.menus = {Menu{"&Options", {MenuItem{"Turn Sound Off", IDM_SOUND}}},
                     Menu{"&Help", {MenuItem{"&About ...", IDM_ABOUT}}}};
    options.scale = scale;
    options.clips = &FindWaveResource;
    return options;
}

// Opens windows on the display and drives them from outside.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
        for (const char* tool : {"xdotool", "xwininfo", "import", "timeout"}) {
            if (!HaveTool(tool)) GTEST_SKIP() << tool << " is not installed";
        }
        received.clear();
        static int count = 0;
        title = "Pebblor window test " + std::to_string(getpid()) + "-" + std::to_string(++count);
    }

    void TearDown() override { platform.reset(); }

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

// A window at 1x on a plain server.
class DesktopWindowTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (!IsSkipped()) Open(Options(title, 1));
    }
};

}  // namespace

TEST_F(DesktopWindowTest, TheClientAreaIsTheFieldBelowTheBarAndShowsExactlyWhatIsPresented) {
    const ScreenRect geometry = Geometry();
    EXPECT_EQ(geometry.width, 288);
    EXPECT_EQ(geometry.height, 576 + kMenuBarHeight);
    EXPECT_EQ(platform->Layout().field, (Rect{0, kMenuBarHeight, 288, 596}));
    EXPECT_EQ(window().ClientPixels().Width(), kFieldWidth);
    EXPECT_EQ(window().ClientPixels().Height(), kFieldHeight);

    Surface backBuffer(kFieldWidth, kFieldHeight);
    backBuffer.Fill(kRed);
    for (int y = 100; y < 200; ++y) {
        for (int x = 50; x < 150; ++x) backBuffer.Set(x, y, kGreen);
    }
    const Rect shown[] = {Rect{40, 90, 160, 210}, Rect{280, 570, 300, 600}};
    window().Present(backBuffer, shown, nullptr);

    const Surface& client = window().ClientPixels();
    EXPECT_EQ(client.At(40, 90), kRed);
    EXPECT_EQ(client.At(100, 150), kGreen);
    EXPECT_EQ(client.At(159, 209), kRed);
    EXPECT_EQ(client.At(160, 150), 0u);
    EXPECT_EQ(client.At(39, 150), 0u);
    EXPECT_EQ(client.At(100, 89), 0u);
    EXPECT_EQ(client.At(287, 575), kRed);  // the part of the second rectangle on the field
    EXPECT_EQ(client.At(279, 575), 0u);

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
    Surface backBuffer(kFieldWidth, kFieldHeight);
    backBuffer.Fill(kGreen);
    const Rect all[] = {backBuffer.Bounds()};
    window().Present(backBuffer, all, nullptr);
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
    received.clear();  // the window may have opened under the pointer
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

TEST_F(DesktopWindowTest, AMenuItemSendsItsCommandAndTheClicksAreNotTheGames) {
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

TEST_F(DesktopWindowTest, BoxesCloseWithReturnAndEscape) {
    // Each box blocks until a key closes it: the helper presses it once the box is up.
    PressKeyWhenShown("Game Failure", "Return");
    window().ShowMessageBox("Game Failure", "No game mode on stack; expected one!");
    PressKeyWhenShown("About Pebblor", "Escape");
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
    Surface backBuffer(kFieldWidth, kFieldHeight);
    backBuffer.Fill(kRed);
    const Rect all[] = {backBuffer.Bounds()};
    window().Present(backBuffer, all, nullptr);
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
    std::unique_ptr<DesktopPlatform> silent =
        DesktopPlatform::Create(Options("Pebblor silent", 1), error);
    ASSERT_NE(silent, nullptr) << error;
    EXPECT_FALSE(silent->HasSoundDevice());
    silent->Audio().PlayClip(145);
    silent->Audio().StopClip();
    silent.reset();

    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::unique_ptr<DesktopPlatform> dummy =
        DesktopPlatform::Create(Options("Pebblor dummy", 1), error);
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
    std::unique_ptr<DesktopPlatform> none =
        DesktopPlatform::Create(Options("Pebblor nowhere", 1), error);
    setenv("DISPLAY", display.c_str(), 1);
    EXPECT_EQ(none, nullptr);
    EXPECT_FALSE(error.empty());
}

namespace {

constexpr Pixel kMenuBarColour = MakePixel(240, 240, 240);

// The first window pixel inside a field pixel, as an offset in the client area.
FieldPoint WindowPixelOf(const WindowLayout& layout, FieldPoint p) {
    const int size = layout.field.Height();
    return FieldPoint{layout.field.left + (p.x * size + kFieldHeight - 1) / kFieldHeight,
                      layout.field.top + (p.y * size + kFieldHeight - 1) / kFieldHeight};
}

// On a screen of the size the run gives, managed by openbox.
class ScreenTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        if (IsSkipped()) return;
        const std::optional<ScreenRect> size = ScreenSize();
        ASSERT_TRUE(size);
        screen = *size;
    }

    // The window as the screen shows it: inside the screen, its frame included.
    void ExpectOnTheScreen() {
        const ScreenRect client = Geometry();
        EXPECT_GE(client.x, 0);
        EXPECT_GT(client.y, 0) << "no room left for the title bar";
        EXPECT_LE(client.x + client.width, screen.width);
        EXPECT_LE(client.y + client.height, screen.height);
    }

    // The field on the screen shows exactly the scaler's picture for what was presented.
    void ExpectFieldShowsThePicture() {
        const Surface picture = FieldTestPicture();
        const Rect all[] = {picture.Bounds()};
        window().Present(picture, all, nullptr);
        const Rect field = platform->Layout().field;
        Surface expected(field.Width(), field.Height());
        FieldScaler scaler;
        scaler.SetDestination(expected.Bounds(), kFieldWidth, kFieldHeight);
        scaler.Draw(picture, TargetOf(expected), expected.Bounds());
        const ScreenRect client = Geometry();
        const Surface shot = Screenshot(
            ScreenRect{client.x + field.left, client.y + field.top, field.Width(), field.Height()});
        EXPECT_EQ(HashPixels(shot), HashPixels(expected))
            << "the field at " << field.Width() << " x " << field.Height();
    }

    // A click on a field pixel, anywhere in it, reaches the game as that pixel.
    void ExpectClicksLandOnTheirFieldPixels() {
        const WindowLayout layout = platform->Layout();
        const ScreenRect client = Geometry();
        for (const FieldPoint p :
             {FieldPoint{0, 30}, FieldPoint{287, 575}, FieldPoint{144, 460}, FieldPoint{17, 301}}) {
            const FieldPoint at = WindowPixelOf(layout, p);
            received.clear();
            Xdotool("mousemove --sync " + std::to_string(client.x + at.x) + " " +
                    std::to_string(client.y + at.y) + " click 1");
            ASSERT_TRUE(Pump([] { return Last(WM_LBUTTONUP) != nullptr; }));
            ASSERT_NE(Last(WM_LBUTTONDOWN), nullptr);
            EXPECT_EQ((FieldPoint{MouseX(*Last(WM_LBUTTONDOWN)), MouseY(*Last(WM_LBUTTONDOWN))}), p)
                << "at " << layout.field.Height() << " pixels tall";
            EXPECT_EQ((FieldPoint{MouseX(*Last(WM_LBUTTONUP)), MouseY(*Last(WM_LBUTTONUP))}), p);
        }
    }

    bool LaidOutFor(PixelSize size) { return platform->Layout().window == size; }

    ScreenRect screen;
};

}  // namespace

// The first window, frame and title bar included, fits the screen the window manager gives.
TEST_F(ScreenTest, TheFirstWindowIsTheLargestThatFits) {
    Open(Options(title, 0));
    ExpectOnTheScreen();
    EXPECT_GE(platform->Layout().field.Height() * 100, screen.height * 85);
}

TEST_F(ScreenTest, ResizedWindowsKeepTheFieldCentredSharpAndThePointerExact) {
    Open(Options(title, 1));
    // 1x, 1.5x in an odd-sized window, 3x: those that fit this screen.
    for (const PixelSize size : {PixelSize{501, 884}, PixelSize{864, 1788}, PixelSize{288, 596}}) {
        if (size.height + 60 > screen.height) continue;
        Xdotool("windowsize --sync " + windowId + " " + std::to_string(size.width) + " " +
                std::to_string(size.height));
        ASSERT_TRUE(Pump([&] { return LaidOutFor(size); }))
            << "the window never became " << size.width << " x " << size.height;
        EXPECT_EQ(platform->Layout().field, WindowedLayout(size).field);
        ExpectFieldShowsThePicture();
        ExpectClicksLandOnTheirFieldPixels();
    }
}

TEST_F(ScreenTest, FullScreenFillsTheHeightWithTheBarAtTheTopEdge) {
    Open(Options(title, 1));
    const PixelSize windowed = platform->Layout().window;
    Focus();
    Xdotool("key F11");
    const PixelSize whole{screen.width, screen.height};
    ASSERT_TRUE(Pump([&] { return platform->IsFullscreen() && LaidOutFor(whole); }));
    const WindowLayout layout = platform->Layout();
    EXPECT_EQ(layout.field, FullscreenLayout(whole).field);
    Xdotool("mousemove --sync 5 300");
    ExpectFieldShowsThePicture();
    ExpectClicksLandOnTheirFieldPixels();

    // The bar comes out at the top edge, over the field, and goes when the pointer leaves.
    Xdotool("mousemove --sync " + std::to_string(screen.width / 2) + " 0");
    ASSERT_TRUE(Pump([this] { return platform->IsMenuBarShown(); }));
    const Surface bar = Screenshot(ScreenRect{0, 0, screen.width, layout.menuHeight});
    EXPECT_EQ(bar.At(screen.width - 2, layout.menuHeight / 2), kMenuBarColour);
    EXPECT_EQ(bar.At(screen.width / 2, layout.menuHeight / 2), kMenuBarColour);
    Xdotool("mousemove --sync " + std::to_string(screen.width / 2) + " " +
            std::to_string(screen.height / 2));
    ASSERT_TRUE(Pump([this] { return !platform->IsMenuBarShown(); }));
    ExpectFieldShowsThePicture();

    Xdotool("key alt+Return");
    ASSERT_TRUE(Pump([&] { return !platform->IsFullscreen() && LaidOutFor(windowed); }));
}
