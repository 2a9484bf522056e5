// The Win32 main window: its class and creation, the message pump with the accelerators,
// and the window procedure that hands the game its messages.
#include "platform/win32/Win32Window.h"

#include <algorithm>
#include <climits>

#include "platform/win32/AboutDialog.h"
#include "platform/win32/ResourceIds.h"
#include "platform/win32/WideText.h"

static_assert(PEBBLOR_COMMAND_ABOUT == IDM_ABOUT && PEBBLOR_COMMAND_EXIT == IDM_EXIT &&
                  PEBBLOR_COMMAND_SOUND == IDM_SOUND &&
                  PEBBLOR_COMMAND_HOW_TO_PLAY == IDM_HOW_TO_PLAY &&
                  PEBBLOR_COMMAND_SCALE_1 == IDM_DISPLAY_SCALE + 1 &&
                  PEBBLOR_COMMAND_SCALE_3 == IDM_DISPLAY_SCALE + kMaxPresetScale &&
                  PEBBLOR_COMMAND_FIT_TO_SCREEN == IDM_FIT_TO_SCREEN &&
                  PEBBLOR_COMMAND_WATCH_LAST_GAME == IDM_WATCH_LAST_GAME &&
                  (PEBBLOR_COMMAND_FULL_SCREEN < IDM_WATCH_ENTRY ||
                   PEBBLOR_COMMAND_FULL_SCREEN >= IDM_WATCH_ENTRY + 10),
              "the resource script's commands are the game's");

namespace {

// Bits of a key message's lParam: Alt held, the key down before.
constexpr LPARAM kContextAlt = LPARAM(1) << 29;
constexpr LPARAM kPreviouslyDown = LPARAM(1) << 30;
// Full screen: the pointer within this many pixels of the top brings out the menu bar.
constexpr int kRevealRows = 2;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

std::wstring ClassName() {
    wchar_t name[100] = {};
    if (LoadStringW(Instance(), PEBBLOR_STRING_CLASS_NAME, name, int(std::size(name))) <= 0) {
        return L"PEBBLOR";
    }
    return name;
}

HICON LoadIconOfSize(int id, int sizeMetric) {
    const int size = GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(
        LoadImageW(Instance(), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool IsKeyDown(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

}  // namespace

std::unique_ptr<Win32Window> Win32Window::Create(const Win32WindowOptions& options,
                                                 std::string& error) {
    const std::wstring className = ClassName();
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &Win32Window::Procedure;
    windowClass.hInstance = Instance();
    windowClass.hIcon = LoadIconOfSize(PEBBLOR_ICON_LARGE, SM_CXICON);
    windowClass.hIconSm = LoadIconOfSize(PEBBLOR_ICON_SMALL, SM_CXSMICON);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.lpszClassName = className.c_str();
    // A second window of the class (tests) finds it registered already.
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        error = "cannot register the window class";
        return nullptr;
    }

    std::unique_ptr<Win32Window> result(new Win32Window(WindowPlacement{}));
    result->menu_ = LoadMenuW(Instance(), MAKEINTRESOURCEW(PEBBLOR_MENU));
    result->accelerators_ = LoadAcceleratorsW(Instance(), MAKEINTRESOURCEW(PEBBLOR_ACCELERATORS));
    if (result->menu_ == nullptr || result->accelerators_ == nullptr) {
        error = "the program's menu or accelerator resources are missing";
        return nullptr;
    }
    const WindowPlacement first =
        FirstPlacement(result->WorkAreaNear(options.placement), options.placement, options.scale,
                       result->Chrome());
    result->placement_ = first;
    const RECT frame = result->FrameAround(first);
    const HWND window =
        CreateWindowExW(0, className.c_str(), WideFromWindows1252(options.title).c_str(),
                        WS_OVERLAPPEDWINDOW, frame.left, frame.top, frame.right - frame.left,
                        frame.bottom - frame.top, nullptr, result->menu_, Instance(), result.get());
    if (window == nullptr) {
        error = "cannot create the window (error " + std::to_string(GetLastError()) + ")";
        return nullptr;
    }
    ShowWindow(window, first.maximised ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    UpdateWindow(window);
    return result;
}

Win32Window::Win32Window(const WindowPlacement& placement) : placement_(placement) {
    changed_.reserve(256);
}

Win32Window::~Win32Window() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);  // with the menu when it is attached
    }
    if (menu_ != nullptr && (window_ == nullptr || !menuShown_)) DestroyMenu(menu_);
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleMessage(message, wParam, lParam);
}

void Win32Window::Post(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    queue_.push_back(Message{message, wParam, lParam});
}

bool Win32Window::PeekMessage(Message& message) {
    for (;;) {
        if (!queue_.empty()) {
            message = queue_.front();
            queue_.pop_front();
            return true;
        }
        MSG native;
        if (!PeekMessageW(&native, nullptr, 0, 0, PM_REMOVE)) return false;
        if (native.message == WM_QUIT) {
            message = Message{WM_QUIT, native.wParam, 0};
            return true;
        }
        if (TakenByAccelerators(native)) continue;
        TranslateMessage(&native);
        DispatchMessageW(&native);
    }
}

bool Win32Window::TakenByAccelerators(MSG& message) {
    if (window_ == nullptr || message.hwnd != window_) return false;
    if (IsKeyDown(message.message)) {
        const auto key = size_t(message.wParam & 0xFF);
        // A held accelerator key acts once.
        if ((message.lParam & kPreviouslyDown) != 0 && swallowed_.test(key)) return true;
        swallowed_.reset(key);
        if (TranslateAcceleratorW(window_, accelerators_, &message) != 0) {
            swallowed_.set(key);
            return true;
        }
        return false;
    }
    return TranslateAcceleratorW(window_, accelerators_, &message) != 0;
}

void Win32Window::WaitMessage(uint32_t timeoutMs) {
    if (!queue_.empty()) return;
    MsgWaitForMultipleObjectsEx(0, nullptr, DWORD(std::min<uint32_t>(timeoutMs, INFINITE - 1)),
                                QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

void Win32Window::PostQuitMessage(int exitCode) { Post(WM_QUIT, uintptr_t(exitCode)); }

void Win32Window::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    ReleaseCapture();
    ShowWindow(window_, SW_HIDE);
    Send(WM_DESTROY);
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
    if (!menuShown_) DestroyMenu(menu_);
    menu_ = nullptr;
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            HandleKey(message, wParam, lParam);
            // The system's own keys go on: F10 and Alt to the menu, Alt+F4, Alt+Space.
            if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP) break;
            return 0;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            HandleMouse(message, wParam, lParam);
            return 0;
        case WM_CAPTURECHANGED:
            captured_ = false;
            return 0;
        case WM_COMMAND:
            HandleCommand(LOWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            Post(WM_ACTIVATE, LOWORD(wParam) == WA_INACTIVE ? WA_INACTIVE : WA_ACTIVE);
            return 0;
        case WM_CLOSE:
            // The game decides: its default handling destroys the window.
            Post(WM_CLOSE);
            return 0;
        case WM_DESTROY:
            // Destroyed by the system rather than through Destroy: the game hears of it.
            if (!destroyed_) {
                destroyed_ = true;
                Send(WM_DESTROY);
            }
            return 0;
        case WM_NCDESTROY:
            // An attached menu goes with the window.
            if (menuShown_) menu_ = nullptr;
            window_ = nullptr;
            return 0;
        case WM_PAINT:
            Paint();
            Post(WM_PAINT);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the picture covers the whole client area
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) Relayout();
            RememberPlacement();
            return 0;
        case WM_MOVE:
            RememberPlacement();
            return 0;
        case WM_GETMINMAXINFO: {
            const PixelSize least = MinimumClientSize(Chrome());
            const WindowChrome chrome = Chrome();
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize.x = least.width + 2 * chrome.edge;
            limits->ptMinTrackSize.y = least.height + chrome.top + chrome.edge;
            return 0;
        }
        case WM_DPICHANGED: {
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_ENTERMENULOOP:
            inMenu_ = true;
            break;
        case WM_EXITMENULOOP: {
            inMenu_ = false;
            // A bar brought out in full screen stays while the pointer is on it.
            POINT pointer{};
            GetCursorPos(&pointer);
            ScreenToClient(window_, &pointer);
            if (fullscreen_ && pointer.y >= 0) ShowMenuBar(false);
            break;
        }
        case WM_SYSCOMMAND:
            // F10 or Alt in full screen: the bar comes out for the menu to open on.
            if ((wParam & 0xFFF0) == SC_KEYMENU && fullscreen_ && !menuShown_) ShowMenuBar(true);
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32Window::HandleKey(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto key = size_t(wParam & 0xFF);
    const bool down = IsKeyDown(message);
    if (!down && swallowed_.test(key)) {
        swallowed_.reset(key);
        return;
    }
    const bool repeat = down && (lParam & kPreviouslyDown) != 0;
    Post(message, key, MakeKeyLParam(down, repeat, (lParam & kContextAlt) != 0));
}

void Win32Window::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    // Client coordinates are signed: a captured pointer goes left of and above the window.
    const int x = int(short(LOWORD(lParam)));
    const int y = int(short(HIWORD(lParam))) + originRow_;
    if (message == WM_MOUSEMOVE && fullscreen_ && !captured_ && !inMenu_) {
        // At the screen's top edge the bar comes out; back on the field it goes away.
        if (!menuShown_ && y < kRevealRows) {
            ShowMenuBar(true);
            return;
        }
        if (menuShown_) ShowMenuBar(false);
    }
    // Outside the field the game hears of the pointer only while it holds the capture.
    if (!captured_ && !Layout().InField(x, y)) return;
    const FieldPoint at = Layout().ToField(x, y);
    const uintptr_t buttons =
        message != WM_LBUTTONUP && (wParam & MK_LBUTTON) != 0 ? MK_LBUTTON : 0;
    Post(message, buttons, MakeMouseLParam(at.x, at.y));
}

void Win32Window::HandleCommand(int command) {
    if (command == PEBBLOR_COMMAND_FULL_SCREEN) {
        SetFullscreen(!fullscreen_);
        return;
    }
    Post(WM_COMMAND, uintptr_t(command));
}

void Win32Window::SetCapture() {
    captured_ = true;
    ::SetCapture(window_);
}

void Win32Window::ReleaseCapture() {
    if (!captured_) return;
    captured_ = false;
    ::ReleaseCapture();
}

void Win32Window::SetMenuItemText(int command, const std::string& text) {
    if (menu_ == nullptr) return;
    ModifyMenuW(menu_, UINT(command), MF_BYCOMMAND | MF_STRING, UINT_PTR(command),
                WideFromWindows1252(text).c_str());
    if (menuShown_ && window_ != nullptr) DrawMenuBar(window_);
}

void Win32Window::RemoveMenuItem(int command) {
    if (menu_ == nullptr) return;
    DeleteMenu(menu_, UINT(command), MF_BYCOMMAND);
    if (menuShown_ && window_ != nullptr) DrawMenuBar(window_);
}

void Win32Window::SetMenuItems(int menu, const std::vector<MenuItem>& items) {
    if (menu_ == nullptr) return;
    const HMENU popup = GetSubMenu(menu_, menu);
    if (popup == nullptr) return;
    while (GetMenuItemCount(popup) > 0) DeleteMenu(popup, 0, MF_BYPOSITION);
    for (const MenuItem& item : items) {
        AppendMenuW(popup, MF_STRING, UINT_PTR(item.command),
                    WideFromWindows1252(item.text).c_str());
    }
    if (menuShown_ && window_ != nullptr) DrawMenuBar(window_);
}

void Win32Window::ShowMessageBox(const std::string& caption, const std::string& text) {
    MessageBoxW(destroyed_ ? nullptr : window_, WideFromWindows1252(text).c_str(),
                WideFromWindows1252(caption).c_str(), MB_OK);
}

void Win32Window::ShowAboutBox(const std::string& caption, const std::string& heading,
                               const std::string& text) {
    ShowAboutDialog(destroyed_ ? nullptr : window_, caption, heading, text);
}
