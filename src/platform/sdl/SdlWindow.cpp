// The SDL main window: sizing, presentation, event translation, the menu loop and boxes.
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/display/WindowSizing.h"
#include "platform/sdl/KeyMapping.h"
#include "platform/sdl/Utf8Text.h"

namespace {

// When the display cannot tell its usable size.
constexpr Rect kFallbackWorkArea{0, 0, 1024, 768};
// Full screen: the pointer within this many pixels of the top shows the menu bar.
constexpr int kRevealRows = 2;

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

Rect UsableBounds(int display) {
    SDL_Rect usable;
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 ||
        usable.h <= 0) {
        return kFallbackWorkArea;
    }
    return Rect{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
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
    SDL_SetWindowMinimumSize(window, kMinimumClientSize.width, kMinimumClientSize.height);
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
        SDL_Event event;
        if (!SDL_PollEvent(&event)) return false;
        HandleEvent(event);
    }
}

void SdlWindow::WaitMessage(uint32_t timeoutMs) {
    if (!queue_.empty()) return;
    SDL_Event event;
    const int timeout = int(std::min<uint32_t>(timeoutMs, INT_MAX));
    if (SDL_WaitEventTimeout(&event, timeout) != 0) HandleEvent(event);
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

bool SdlWindow::IsMenuBarShown() const {
    return !fullscreen_ || menuRevealed_ || openMenu_ != nullptr;
}

void SdlWindow::RevealMenuBar(int pointerY) {
    const bool reveal = menuRevealed_ ? pointerY < Layout().menuHeight : pointerY < kRevealRows;
    if (reveal == menuRevealed_) return;
    menuRevealed_ = reveal;
    const PixelTarget target = Target();
    const Rect bar = Layout().MenuRect();
    canvas_.SetCoveredTop(reveal ? bar.bottom : 0);
    if (reveal) {
        DrawMenus(target);
    } else {
        canvas_.Repaint(target, bar);
    }
    Show(std::span<const Rect>(&bar, 1));
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

void SdlWindow::Present(const Surface& backBuffer, std::span<const Rect> rects) {
    canvas_.Present(backBuffer, rects, Target(), changed_);
    Show(changed_);
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

void SdlWindow::ShowBox(const std::string& caption, const std::string& text) {
    const std::string title = Utf8FromWindows1252(caption);
    const std::string message = Utf8FromWindows1252(text);
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

Rect SdlWindow::WorkArea() const {
    return UsableBounds(window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0);
}

bool SdlWindow::WindowSizeFits(int presetScale) const {
    return FitsWorkArea(ClientSizeForScale(presetScale), WorkArea());
}

void SdlWindow::SetWindowSize(int presetScale) {
    if (destroyed_) return;
    SetFullscreen(false);
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0) SDL_RestoreWindow(window_);
    const Rect workArea = WorkArea();
    WindowPlacement wanted;
    if (presetScale >= 1) {
        // The same place, moved only as far as needed to keep the window on the screen.
        const PixelSize size = ClientSizeForScale(std::min(presetScale, kMaxPresetScale));
        WindowPlacement moved = placement_;
        moved.width = size.width;
        moved.height = size.height;
        moved.maximised = false;
        wanted = FirstPlacement(workArea, moved, 0);
    } else {
        wanted = CentredPlacement(LargestFittingClient(workArea), workArea);
    }
    int top = 0;
    int left = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, nullptr, nullptr);
    SDL_SetWindowSize(window_, wanted.width, wanted.height);
    SDL_SetWindowPosition(window_, wanted.x + left, wanted.y + top);
    RefreshSurface();
    RepaintAll();
}

std::optional<WindowPlacement> SdlWindow::Placement() const { return placement_; }

void SdlWindow::RememberPlacement() {
    if (window_ == nullptr || fullscreen_) return;
    const Uint32 flags = SDL_GetWindowFlags(window_);
    placement_.maximised = (flags & SDL_WINDOW_MAXIMIZED) != 0;
    if (placement_.maximised || (flags & SDL_WINDOW_MINIMIZED) != 0) return;
    int top = 0;
    int left = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, nullptr, nullptr);
    SDL_GetWindowPosition(window_, &placement_.x, &placement_.y);
    placement_.x -= left;
    placement_.y -= top;
    SDL_GetWindowSize(window_, &placement_.width, &placement_.height);
}

void SdlWindow::SetFullscreen(bool fullscreen) {
    if (destroyed_ || fullscreen == fullscreen_) return;
    if (SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        return;
    }
    fullscreen_ = fullscreen;
    menuRevealed_ = false;
    RefreshSurface();
    RepaintAll();
}

void SdlWindow::RefreshSurface() {
    if (window_ == nullptr) return;
    surface_ = SDL_GetWindowSurface(window_);
    PixelSize units;
    SDL_GetWindowSize(window_, &units.width, &units.height);
    PixelSize pixels = units;
    if (surface_ != nullptr) pixels = PixelSize{surface_->w, surface_->h};
    pixelsPerUnit_ = PixelsPerUnit(pixels, units);
    const WindowLayout layout = fullscreen_ ? FullscreenLayout(pixels) : WindowedLayout(pixels);
    if (!(layout == canvas_.Layout())) canvas_.SetLayout(layout);
    menuBar_.SetLayout(layout.menuScale, pixels.width);
    drawsDirectly_ = surface_ != nullptr && surface_->format->format == SDL_PIXELFORMAT_RGB888 &&
                     !SDL_MUSTLOCK(surface_) && surface_->pitch % int(sizeof(Pixel)) == 0;
    if (drawsDirectly_) {
        staging_ = Surface();
    } else if (staging_.Width() != pixels.width || staging_.Height() != pixels.height) {
        staging_ = Surface(pixels.width, pixels.height);
    }
}

PixelTarget SdlWindow::Target() {
    if (surface_ == nullptr) return PixelTarget{};
    if (!drawsDirectly_) return TargetOf(staging_);
    return PixelTarget{static_cast<Pixel*>(surface_->pixels), surface_->w, surface_->h,
                       surface_->pitch / int(sizeof(Pixel))};
}

void SdlWindow::Show(std::span<const Rect> areas) {
    if (surface_ == nullptr) return;
    updateRects_.clear();
    const bool locked = SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) == 0;
    for (const Rect& area : areas) {
        const Rect shown = Intersect(area, Rect{0, 0, surface_->w, surface_->h});
        if (shown.IsEmpty()) continue;
        if (!drawsDirectly_ && (!SDL_MUSTLOCK(surface_) || locked)) {
            auto* to = static_cast<uint8_t*>(surface_->pixels) +
                       ptrdiff_t(shown.top) * surface_->pitch +
                       ptrdiff_t(shown.left) * surface_->format->BytesPerPixel;
            SDL_ConvertPixels(shown.Width(), shown.Height(), SDL_PIXELFORMAT_RGB888,
                              staging_.Row(shown.top) + shown.left,
                              staging_.Width() * int(sizeof(Pixel)), surface_->format->format, to,
                              surface_->pitch);
        }
        updateRects_.push_back(SDL_Rect{shown.left, shown.top, shown.Width(), shown.Height()});
    }
    if (locked) SDL_UnlockSurface(surface_);
    if (!updateRects_.empty()) {
        SDL_UpdateWindowSurfaceRects(window_, updateRects_.data(), int(updateRects_.size()));
    }
}

void SdlWindow::DrawMenus(const PixelTarget& target) {
    if (target.pixels == nullptr) return;
    const Rect bar = Layout().MenuRect();
    if (menuStrip_.Width() != bar.Width() || menuStrip_.Height() != bar.Height()) {
        menuStrip_ = Surface(bar.Width(), bar.Height());
    }
    const int openMenu = openMenu_ != nullptr ? openMenu_->OpenMenu() : -1;
    menuBar_.DrawBar(menuStrip_, openMenu);
    CopySurface(target, menuStrip_, 0, 0);
    if (openMenu_ != nullptr) {
        const Rect box = menuBar_.DropDownRect(openMenu);
        Surface dropDown(box.Width(), box.Height());
        menuBar_.DrawDropDown(dropDown, openMenu, openMenu_->HighlightedItem());
        CopySurface(target, dropDown, box.left, box.top);
    }
}

void SdlWindow::RepaintAll() {
    const PixelTarget target = Target();
    if (target.pixels == nullptr) return;
    canvas_.SetCoveredTop(IsMenuBarShown() ? Layout().menuHeight : 0);
    canvas_.Repaint(target, target.Bounds());
    if (IsMenuBarShown()) DrawMenus(target);
    const Rect all = target.Bounds();
    Show(std::span<const Rect>(&all, 1));
}
