// The SDL main window: creation, event translation, the menu loop and boxes.
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/display/WindowSizing.h"
#include "platform/sdl/KeyMapping.h"
#include "platform/sdl/LineWrap.h"
#include "platform/sdl/Utf8Text.h"

namespace {

// Box texts are broken into lines this long: the box would grow as wide as its longest line.
constexpr size_t kBoxColumns = 88;

// An icon surface with black as the transparent colour; null when there is none.
SDL_Surface* MakeIconSurface(const Surface& icon) {
    if (icon.IsEmpty()) return nullptr;
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, icon.Width(), icon.Height(), 32,
                                                          SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) return nullptr;
    for (int y = 0; y < icon.Height(); ++y) {
        auto* row = reinterpret_cast<Uint32*>(static_cast<uint8_t*>(surface->pixels) +
                                              ptrdiff_t(y) * surface->pitch);
        for (int x = 0; x < icon.Width(); ++x) {
            const Pixel p = icon.At(x, y);
            row[x] = p == 0 ? 0 : (0xFF000000u | p);
        }
    }
    return surface;
}

void SetIcon(SDL_Window* window, const DesktopOptions& options) {
    SDL_Surface* icon =
        MakeIconSurface(options.largeIcon.IsEmpty() ? options.smallIcon : options.largeIcon);
    if (icon == nullptr) return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

}  // namespace

std::unique_ptr<SdlWindow> SdlWindow::Create(const DesktopOptions& options, std::string& error) {
    const WindowPlacement first = FirstPlacement(UsableBounds(0), options.placement, options.scale);
    SDL_Window* window =
        SDL_CreateWindow(Utf8FromWindows1252(options.title).c_str(), first.x, first.y, first.width,
                         first.height, SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE);
    if (window == nullptr) {
        error = std::string("cannot create the window: ") + SDL_GetError();
        return nullptr;
    }
    std::unique_ptr<SdlWindow> result(new SdlWindow(window, options, first));
    const PixelSize least = MinimumClientSize();
    SDL_SetWindowMinimumSize(window, least.width, least.height);
    SetIcon(window, options);
    if (first.maximised) SDL_MaximizeWindow(window);
    result->RefreshSurface();
    if (result->surface_ == nullptr) {
        error = std::string("the window has no surface to draw on: ") + SDL_GetError();
        return nullptr;
    }
    result->RepaintAll();
    // Keys come as key events; no text input or input method is wanted.
    SDL_StopTextInput();
    return result;
}

SdlWindow::SdlWindow(SDL_Window* window, const DesktopOptions& options,
                     const WindowPlacement& placement)
    : window_(window),
      windowId_(SDL_GetWindowID(window)),
      placement_(placement),
      menuBar_(options.menus),
      keys_(menuBar_.TitleMnemonics()) {
    changed_.reserve(256);
    updateRects_.reserve(256);
}

SdlWindow::~SdlWindow() {
    if (captured_) SDL_CaptureMouse(SDL_FALSE);
    if (window_ != nullptr) SDL_DestroyWindow(window_);
}

void SdlWindow::Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    queue_.push_back(Message{message, wParam, lParam});
}

bool SdlWindow::PeekMessage(Message& message) {
    for (;;) {
        if (!queue_.empty()) {
            message = queue_.front();
            queue_.pop_front();
            return true;
        }
        if (waitFoundNothing_) {
            waitFoundNothing_ = false;
            return false;
        }
        SDL_Event event;
        if (!SDL_PollEvent(&event)) return false;
        HandleEvent(event);
    }
}

void SdlWindow::WaitMessage(uint32_t timeoutMs) {
    if (!queue_.empty()) return;
    SDL_Event event;
    const int timeout = int(std::min<uint32_t>(timeoutMs, INT_MAX));
    if (SDL_WaitEventTimeout(&event, timeout) != 0) {
        HandleEvent(event);
    } else {
        waitFoundNothing_ = true;
    }
}

void SdlWindow::PostQuitMessage(int exitCode) { Post(WM_QUIT, uintptr_t(exitCode)); }

void SdlWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    ReleaseCapture();
    SDL_HideWindow(window_);
    surface_ = nullptr;  // nothing more is shown, whatever WM_DESTROY's handling presents
    Send(WM_DESTROY);
    SDL_DestroyWindow(window_);
    window_ = nullptr;
}

void SdlWindow::HandleEvent(const SDL_Event& event) {
    if (destroyed_) return;
    switch (event.type) {
        case SDL_QUIT:
            Post(WM_CLOSE);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID == windowId_) HandleWindowEvent(event.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            if (event.key.windowID == windowId_) HandleKey(event.key);
            break;
        case SDL_MOUSEMOTION:
            if (event.motion.windowID == windowId_) HandleMotion(event.motion);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            if (event.button.windowID == windowId_) HandleButton(event.button);
            break;
        default:
            break;
    }
}

bool SdlWindow::HandleWindowEvent(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
            RepaintAll();
            Post(WM_PAINT);
            return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            RefreshSurface();
            RepaintAll();
            RememberPlacement();
            return true;
        case SDL_WINDOWEVENT_MOVED:
        case SDL_WINDOWEVENT_MAXIMIZED:
        case SDL_WINDOWEVENT_RESTORED:
            RememberPlacement();
            return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            Post(WM_ACTIVATE, WA_ACTIVE);
            return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            Post(WM_ACTIVATE, WA_INACTIVE);
            return false;
        case SDL_WINDOWEVENT_CLOSE:
            Post(WM_CLOSE);
            return false;
        default:
            return true;
    }
}

void SdlWindow::HandleKey(const SDL_KeyboardEvent& event) {
    KeyEvent key;
    key.down = event.type == SDL_KEYDOWN;
    key.repeat = event.repeat != 0;
    key.virtualKey = VirtualKeyFor(event.keysym.scancode, event.keysym.sym);
    key.alt = (event.keysym.mod & KMOD_ALT) != 0;
    key.ctrl = (event.keysym.mod & KMOD_CTRL) != 0;
    key.slashOrQuestion = IsSlashOrQuestionKey(event.keysym.scancode, event.keysym.sym);
    const KeyAction action = keys_.Translate(key);
    switch (action.kind) {
        case KeyAction::Kind::Message:
            queue_.push_back(action.message);
            break;
        case KeyAction::Kind::ToggleFullscreen:
            SetFullscreen(!fullscreen_);
            break;
        case KeyAction::Kind::OpenMenu:
            RunMenu(action.menuIndex, true);
            break;
        case KeyAction::Kind::None:
            break;
    }
}

void SdlWindow::HandleMotion(const SDL_MouseMotionEvent& event) {
    const int x = ToPixels(event.x);
    const int y = ToPixels(event.y);
    if (fullscreen_ && !captured_) RevealMenuBar(y);
    // Outside the field the game hears of the pointer only while it holds the capture.
    if (!captured_ && !Layout().InField(x, y)) return;
    if (!captured_ && IsMenuBarShown() && y < Layout().menuHeight) return;
    const FieldPoint at = Layout().ToField(x, y);
    const uintptr_t buttons = (event.state & SDL_BUTTON_LMASK) != 0 ? MK_LBUTTON : 0;
    Post(WM_MOUSEMOVE, buttons, MakeMouseLParam(at.x, at.y));
}

void SdlWindow::HandleButton(const SDL_MouseButtonEvent& event) {
    if (event.button != SDL_BUTTON_LEFT) return;
    const int x = ToPixels(event.x);
    const int y = ToPixels(event.y);
    const FieldPoint at = Layout().ToField(x, y);
    const bool overBar = IsMenuBarShown() && y >= 0 && y < Layout().menuHeight;
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        swallowButtonRelease_ = false;
        if (!captured_ && overBar) {
            const int title = menuBar_.TitleAt(x, y);
            if (title >= 0) RunMenu(title, false);
            return;
        }
        if (!captured_ && !Layout().InField(x, y)) return;
        Post(WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(at.x, at.y));
        return;
    }
    if (swallowButtonRelease_) {
        swallowButtonRelease_ = false;
        return;
    }
    if (!captured_ && (overBar || !Layout().InField(x, y))) return;
    Post(WM_LBUTTONUP, 0, MakeMouseLParam(at.x, at.y));
}

void SdlWindow::RunMenu(int menu, bool byKeyboard) {
    MenuTracker tracker(menuBar_, menu, byKeyboard);
    openMenu_ = &tracker;
    RepaintAll();
    MenuTracker::Outcome outcome = MenuTracker::Outcome::Continue;
    SDL_Event event;
    while (outcome == MenuTracker::Outcome::Continue && SDL_WaitEvent(&event) != 0) {
        const int shownMenu = tracker.OpenMenu();
        const int shownItem = tracker.HighlightedItem();
        outcome = MenuEvent(tracker, event);
        if (outcome == MenuTracker::Outcome::Continue &&
            (tracker.OpenMenu() != shownMenu || tracker.HighlightedItem() != shownItem)) {
            RepaintAll();
        }
    }
    openMenu_ = nullptr;
    if (outcome == MenuTracker::Outcome::Choose) {
        Post(WM_COMMAND, uintptr_t(tracker.ChosenCommand()));
    }
    // A bar brought out by the pointer stays while the pointer is on it.
    if (fullscreen_) {
        int y = 0;
        SDL_GetMouseState(nullptr, &y);
        menuRevealed_ = ToPixels(y) < Layout().menuHeight;
    }
    RepaintAll();
}

MenuTracker::Outcome SdlWindow::MenuEvent(MenuTracker& tracker, const SDL_Event& event) {
    using Outcome = MenuTracker::Outcome;
    switch (event.type) {
        case SDL_QUIT:
            Post(WM_CLOSE);
            return Outcome::Close;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != windowId_) return Outcome::Continue;
            return HandleWindowEvent(event.window) ? Outcome::Continue : Outcome::Close;
        case SDL_MOUSEMOTION:
            return tracker.PointerMoved(ToPixels(event.motion.x), ToPixels(event.motion.y));
        case SDL_MOUSEBUTTONDOWN: {
            if (event.button.button != SDL_BUTTON_LEFT) return Outcome::Continue;
            const Outcome outcome =
                tracker.PointerPressed(ToPixels(event.button.x), ToPixels(event.button.y));
            // The click that closes the menu is the menu's, release included.
            if (outcome == Outcome::Close) swallowButtonRelease_ = true;
            return outcome;
        }
        case SDL_MOUSEBUTTONUP:
            if (event.button.button != SDL_BUTTON_LEFT) return Outcome::Continue;
            return tracker.PointerReleased(ToPixels(event.button.x), ToPixels(event.button.y));
        case SDL_KEYDOWN: {
            const uint32_t key = VirtualKeyFor(event.key.keysym.scancode, event.key.keysym.sym);
            // The menu takes the key: its release must not reach the game afterwards.
            keys_.SwallowUntilReleased(key);
            // Only the arrows repeat: a held F10 or mnemonic must not close or choose.
            const bool arrow = key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
            if (event.key.repeat != 0 && !arrow) return Outcome::Continue;
            return tracker.KeyPressed(key);
        }
        case SDL_KEYUP: {
            KeyEvent release;
            release.virtualKey = VirtualKeyFor(event.key.keysym.scancode, event.key.keysym.sym);
            keys_.Translate(release);
            return Outcome::Continue;
        }
        default:
            return Outcome::Continue;
    }
}

void SdlWindow::SetCapture() {
    captured_ = true;
    SDL_CaptureMouse(SDL_TRUE);
}

void SdlWindow::ReleaseCapture() {
    if (!captured_) return;
    captured_ = false;
    SDL_CaptureMouse(SDL_FALSE);
}

// Item texts show only in an open drop-down, which is drawn afresh whenever it changes.
void SdlWindow::SetMenuItemText(int command, const std::string& text) {
    menuBar_.SetItemText(command, text);
}

void SdlWindow::RemoveMenuItem(int command) { menuBar_.RemoveItem(command); }

void SdlWindow::SetMenuItems(int menu, const std::vector<MenuItem>& items) {
    menuBar_.SetItems(menu, items);
}

void SdlWindow::ShowBox(const std::string& caption, const std::string& text) {
    const std::string title = Utf8FromWindows1252(caption);
    const std::string message = Utf8FromWindows1252(WrapLines(text, kBoxColumns));
    const SDL_MessageBoxButtonData ok{
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK,
        "OK"};
    const SDL_MessageBoxData box{
        SDL_MESSAGEBOX_INFORMATION, window_, title.c_str(), message.c_str(), 1, &ok, nullptr};
    int pressed = 0;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        // No box can be shown (no X fonts, say): the text still reaches the user.
        std::fprintf(stderr, "%s\n%s\n", title.c_str(), message.c_str());
    }
}

void SdlWindow::ShowMessageBox(const std::string& caption, const std::string& text) {
    ShowBox(caption, text);
}

void SdlWindow::ShowAboutBox(const std::string& caption, const std::string& heading,
                             const std::string& text) {
    ShowBox(caption, heading + "\n\n" + text);
}
