// The Windows window's messages: keys and the mouse reach the game with the numbers every
// backend gives them, and its wait ends with the first input or when the frame is due.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Shell.h"
#include "platform/Cp1252.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Window.h"

namespace {

// Bits of the system's key lParam the game never sees: a scan code, the extended key.
constexpr LPARAM kScanCodeBits = LPARAM(0x1E) << 16 | LPARAM(1) << 24;

class WindowMessagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The pointer away from where the window opens: it would move over the field.
        SetCursorPos(0, 0);
        std::string error;
        window = Win32Window::Create(Win32WindowOptions{"Pebblor test", {}, 1}, error);
        ASSERT_NE(window, nullptr) << error;
        Drain();
    }
    // The messages waiting, as the game takes them.
    std::vector<Message> Drain() {
        std::vector<Message> taken;
        for (Message message; window->PeekMessage(message);) {
            if (message.message != WM_PAINT && message.message != WM_ACTIVATE) {
                taken.push_back(message);
            }
        }
        return taken;
    }
    // What the game takes of a message posted to the window. The pointer of the display the
    // tests run on may move over the window meanwhile: moves count only after a move.
    std::vector<Message> Deliver(UINT message, WPARAM wParam, LPARAM lParam) {
        PostMessageW(window->Handle(), message, wParam, lParam);
        std::vector<Message> taken = Drain();
        if (message != WM_MOUSEMOVE) {
            std::erase_if(taken, [](const Message& m) { return m.message == WM_MOUSEMOVE; });
        } else if (!taken.empty()) {
            taken.erase(taken.begin(), taken.end() - 1);  // the last move is the one posted
        }
        return taken;
    }
    // A client point of the field's pixel (x, y).
    LPARAM ClientPoint(int x, int y) {
        const Rect& field = window->Layout().field;
        const int scale = field.Width() / kFieldWidth;
        return MAKELPARAM(field.left + x * scale, field.top + y * scale);
    }

    std::unique_ptr<Win32Window> window;
};

struct KeyCase {
    UINT message;
    WPARAM key;
    LPARAM systemBits;  // beside the scan code
    Message expected;
};

class WindowKeysTest : public WindowMessagesTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(WindowKeysTest, ArriveAsOnEverySystem) {
    const KeyCase& key = GetParam();
    const std::vector<Message> got = Deliver(key.message, key.key, key.systemBits | kScanCodeBits);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, key.expected.message);
    EXPECT_EQ(got[0].wParam, key.expected.wParam);
    EXPECT_EQ(got[0].lParam, key.expected.lParam);
}

constexpr LPARAM kDown = 1;
constexpr LPARAM kRepeat = 1 | LPARAM(1) << 30;
constexpr LPARAM kUp = 1 | LPARAM(3) << 30;
constexpr LPARAM kAlt = LPARAM(1) << 29;

INSTANTIATE_TEST_SUITE_P(
    Keys, WindowKeysTest,
    ::testing::Values(
        KeyCase{WM_KEYDOWN, 'A', kDown, {WM_KEYDOWN, 'A', MakeKeyLParam(true, false, false)}},
        KeyCase{WM_KEYDOWN, 'A', kRepeat, {WM_KEYDOWN, 'A', MakeKeyLParam(true, true, false)}},
        KeyCase{WM_KEYUP, 'A', kUp, {WM_KEYUP, 'A', MakeKeyLParam(false, false, false)}},
        KeyCase{WM_KEYDOWN,
                VK_ESCAPE,
                kDown,
                {WM_KEYDOWN, VK_ESCAPE, MakeKeyLParam(true, false, false)}},
        KeyCase{
            WM_KEYUP, VK_RETURN, kUp, {WM_KEYUP, VK_RETURN, MakeKeyLParam(false, false, false)}},
        KeyCase{WM_SYSKEYDOWN,
                'X',
                kDown | kAlt,
                {WM_SYSKEYDOWN, 'X', MakeKeyLParam(true, false, true)}}));

TEST_F(WindowMessagesTest, TheMouseArrivesInFieldPixels) {
    std::vector<Message> got = Deliver(WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(144, 500));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_LBUTTONDOWN);
    EXPECT_EQ(got[0].wParam, MK_LBUTTON);
    EXPECT_EQ(got[0].lParam, MakeMouseLParam(144, 500));
    got = Deliver(WM_MOUSEMOVE, MK_LBUTTON, ClientPoint(0, 575));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].lParam, MakeMouseLParam(0, 575));
    got = Deliver(WM_LBUTTONUP, 0, ClientPoint(287, 0));
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_LBUTTONUP);
    EXPECT_EQ(got[0].wParam, 0u);
    EXPECT_EQ(got[0].lParam, MakeMouseLParam(287, 0));
}

TEST_F(WindowMessagesTest, OutsideTheFieldThePointerCountsOnlyWhileCaptured) {
    const Rect& field = window->Layout().field;
    const LPARAM left = MAKELPARAM(field.left - 1 >= 0 ? field.left - 1 : 0, field.top);
    if (field.left == 0) GTEST_SKIP() << "the field fills the client area's width";
    EXPECT_TRUE(Deliver(WM_MOUSEMOVE, 0, left).empty());
    window->SetCapture();
    const std::vector<Message> got = Deliver(WM_MOUSEMOVE, MK_LBUTTON, left);
    window->ReleaseCapture();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_LT(short(LOWORD(got[0].lParam)), 0);
}

TEST_F(WindowMessagesTest, MenuCommandsArriveAndClosingIsTheGamesToDecide) {
    std::vector<Message> got = Deliver(WM_COMMAND, IDM_SOUND, 0);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_COMMAND);
    EXPECT_EQ(got[0].wParam, uintptr_t(IDM_SOUND));
    got = Deliver(WM_CLOSE, 0, 0);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].message, WM_CLOSE);
    EXPECT_FALSE(window->IsDestroyed());
}

std::string MenuText(HMENU menu, UINT position) {
    wchar_t text[200] = {};
    GetMenuStringW(menu, position, text, int(std::size(text)), MF_BYPOSITION);
    std::wstring shown(text);
    return Windows1252FromUtf8(Utf8FromWide(shown.substr(0, shown.find(L'\t'))));  // no shortcut
}

TEST_F(WindowMessagesTest, TheResourceMenuIsTheGamesMenu) {
    const HMENU bar = GetMenu(window->Handle());
    const std::vector<Menu> menus = MainMenus();
    ASSERT_EQ(GetMenuItemCount(bar), int(menus.size()));
    for (size_t i = 0; i < menus.size(); ++i) {
        EXPECT_EQ(MenuText(bar, UINT(i)), menus[i].title);
        const HMENU popup = GetSubMenu(bar, int(i));
        ASSERT_EQ(GetMenuItemCount(popup), int(menus[i].items.size())) << menus[i].title;
        for (size_t j = 0; j < menus[i].items.size(); ++j) {
            EXPECT_EQ(MenuText(popup, UINT(j)), menus[i].items[j].text);
            EXPECT_EQ(GetMenuItemID(popup, int(j)), UINT(menus[i].items[j].command));
        }
    }
}

TEST_F(WindowMessagesTest, TheReplaysMenuTakesItsItems) {
    window->SetMenuItems(1, {MenuItem{"Watch &Last Game", IDM_WATCH_LAST_GAME},
                             MenuItem{"ABC 1000", IDM_WATCH_ENTRY}});
    const HMENU replays = GetSubMenu(GetMenu(window->Handle()), 1);
    ASSERT_NE(replays, nullptr);
    ASSERT_EQ(GetMenuItemCount(replays), 2);
    EXPECT_EQ(GetMenuItemID(replays, 1), UINT(IDM_WATCH_ENTRY));
}

TEST_F(WindowMessagesTest, TheWaitEndsWithInputOrWhenTheFrameIsDue) {
    // Nothing waits: the wait blocks (the clock ticks coarsely without the fine timer). The
    // system may end a wait early with work of its own, but not every time.
    bool blocked = false;
    for (int attempt = 0; attempt < 20 && !blocked; ++attempt) {
        Drain();
        const DWORD start = winmm::timeGetTime();
        window->WaitMessage(60);
        blocked = winmm::timeGetTime() - start >= 30;
    }
    EXPECT_TRUE(blocked) << "the wait never blocked";
    Drain();
    // Input waits: the wait ends at once, not after ten minutes.
    PostMessageW(window->Handle(), WM_KEYDOWN, 'A', kDown);
    const DWORD before = winmm::timeGetTime();
    window->WaitMessage(600000);
    EXPECT_LT(winmm::timeGetTime() - before, 300000u);
    EXPECT_EQ(Drain().size(), 1u);
}

}  // namespace
