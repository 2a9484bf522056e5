// The Win32 main window's size, place and full screen, and how it shows its picture: the
// canvas draws into the window's pixels, GDI copies the changed parts to the screen.
#include <algorithm>

#include "platform/win32/Win32Window.h"

namespace {

constexpr DWORD kWindowedStyle = WS_OVERLAPPEDWINDOW;

Rect ToRect(const RECT& r) { return Rect{int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

MONITORINFO MonitorInfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(monitor, &info);
    return info;
}

}  // namespace

WindowChrome Win32Window::Chrome() const {
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, kWindowedStyle, TRUE, 0);
    WindowChrome chrome;
    chrome.top = int(-frame.top);
    chrome.edge = int(std::max({-frame.left, frame.right, frame.bottom}));
    chrome.menuInClient = false;
    return chrome;
}

Rect Win32Window::WorkArea() const {
    const HMONITOR monitor = window_ != nullptr
                                 ? MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST)
                                 : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    return ToRect(MonitorInfoOf(monitor).rcWork);
}

Rect Win32Window::WorkAreaNear(const std::optional<WindowPlacement>& placement) {
    if (!placement) {
        return ToRect(
            MonitorInfoOf(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY)).rcWork);
    }
    const RECT was{placement->x, placement->y, placement->x + placement->width,
                   placement->y + placement->height};
    return ToRect(MonitorInfoOf(MonitorFromRect(&was, MONITOR_DEFAULTTONEAREST)).rcWork);
}

RECT Win32Window::FrameAround(const WindowPlacement& placement) const {
    RECT frame{0, 0, placement.width, placement.height};
    AdjustWindowRectEx(&frame, kWindowedStyle, TRUE, 0);
    return RECT{placement.x, placement.y, placement.x + (frame.right - frame.left),
                placement.y + (frame.bottom - frame.top)};
}

bool Win32Window::WindowSizeFits(int presetScale) const {
    const WindowChrome chrome = Chrome();
    return FitsWorkArea(ClientSizeForScale(presetScale, chrome), WorkArea(), chrome);
}

void Win32Window::SetWindowSize(int presetScale) {
    if (destroyed_) return;
    SetFullscreen(false);
    if (IsZoomed(window_)) ShowWindow(window_, SW_RESTORE);
    const RECT frame = FrameAround(PresetPlacement(placement_, presetScale, WorkArea(), Chrome()));
    SetWindowPos(window_, nullptr, frame.left, frame.top, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<WindowPlacement> Win32Window::Placement() const { return placement_; }

void Win32Window::RememberPlacement() {
    if (window_ == nullptr || fullscreen_ || IsIconic(window_)) return;
    placement_.maximised = IsZoomed(window_) != 0;
    if (placement_.maximised) return;
    RECT frame{};
    RECT client{};
    GetWindowRect(window_, &frame);
    GetClientRect(window_, &client);
    placement_.x = int(frame.left);
    placement_.y = int(frame.top);
    placement_.width = int(client.right);
    placement_.height = int(client.bottom);
}

void Win32Window::SetFullscreen(bool fullscreen) {
    if (destroyed_ || window_ == nullptr || fullscreen == fullscreen_) return;
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    if (fullscreen) {
        windowedPlacement_.length = sizeof windowedPlacement_;
        GetWindowPlacement(window_, &windowedPlacement_);
        const RECT screen =
            MonitorInfoOf(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST)).rcMonitor;
        fullscreen_ = true;
        menuShown_ = false;
        SetMenu(window_, nullptr);
        SetWindowLongPtrW(window_, GWL_STYLE, (style & ~LONG_PTR(kWindowedStyle)) | WS_POPUP);
        SetWindowPos(window_, HWND_TOP, screen.left, screen.top, screen.right - screen.left,
                     screen.bottom - screen.top, SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
    } else {
        fullscreen_ = false;
        SetWindowLongPtrW(window_, GWL_STYLE, (style & ~LONG_PTR(WS_POPUP)) | kWindowedStyle);
        if (!menuShown_) SetMenu(window_, menu_);
        menuShown_ = true;
        SetWindowPlacement(window_, &windowedPlacement_);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
    Relayout();
}

bool Win32Window::IsMenuBarShown() const { return menuShown_; }

void Win32Window::ShowMenuBar(bool shown) {
    if (!fullscreen_ || shown == menuShown_) return;
    menuShown_ = shown;
    SetMenu(window_, shown ? menu_ : nullptr);
    Relayout();
}

void Win32Window::Relayout() {
    if (window_ == nullptr) return;
    RECT client{};
    GetClientRect(window_, &client);
    const PixelSize clientSize{int(client.right), int(client.bottom)};
    PixelSize pictureSize = clientSize;
    WindowLayout layout;
    if (fullscreen_) {
        // Laid out on the whole screen; a menu bar hides the picture's top rows.
        const RECT screen =
            MonitorInfoOf(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST)).rcMonitor;
        pictureSize = PixelSize{int(screen.right - screen.left), int(screen.bottom - screen.top)};
        layout = FullscreenLayout(pictureSize);
        originRow_ = std::max(0, pictureSize.height - clientSize.height);
    } else {
        layout = FieldOnlyLayout(clientSize);
        originRow_ = 0;
    }
    if (!(layout == canvas_.Layout()) || !(pixels_.Size() == pictureSize)) {
        canvas_.SetLayout(layout);
        pixels_.Resize(pictureSize);
        const PixelTarget target = pixels_.Target();
        canvas_.Repaint(target, target.Bounds());
    }
    InvalidateRect(window_, nullptr, FALSE);
}

void Win32Window::Paint() {
    PAINTSTRUCT paint{};
    const HDC context = BeginPaint(window_, &paint);
    if (context == nullptr) return;
    const Rect area{int(paint.rcPaint.left), int(paint.rcPaint.top) + originRow_,
                    int(paint.rcPaint.right), int(paint.rcPaint.bottom) + originRow_};
    pixels_.Show(context, std::span<const Rect>(&area, 1), originRow_);
    EndPaint(window_, &paint);
}

void Win32Window::Present(const Surface& backBuffer, std::span<const Rect> rects,
                          const TileChanges* changes) {
    canvas_.Present(backBuffer, rects, changes, pixels_.Target(), changed_);
    if (changed_.empty() || window_ == nullptr || IsIconic(window_)) return;
    const HDC context = GetDC(window_);
    if (context == nullptr) return;
    pixels_.Show(context, changed_, originRow_);
    ReleaseDC(window_, context);
}
