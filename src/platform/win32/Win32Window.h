// The main window on Windows: a resizable window of the game's window class with the menu
// and accelerators of the program's resources, its field drawn at any size by the shared
// window canvas and put on the screen with GDI, and the system's messages turned into the
// game's, with the numbers the game's other windows give them.
#pragma once

#include <bitset>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/display/WindowCanvas.h"
#include "platform/display/WindowSizing.h"
#include "platform/win32/WindowPixels.h"
#include "platform/win32/WindowsApi.h"

struct Win32WindowOptions {
    std::string title;  // Windows-1252, as all the game's text
    // The first window's size and place (see FirstPlacement): where the window was last,
    // else a preset scale (1 to kMaxPresetScale), else (0) the largest that fits.
    std::optional<WindowPlacement> placement;
    int scale = 0;
};

class Win32Window final : public Window {
public:
    // Null, with the reason in `error`, when the window cannot be made.
    static std::unique_ptr<Win32Window> Create(const Win32WindowOptions& options,
                                               std::string& error);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Takes the system's messages through the accelerators and the window procedure, which
    // turns them into the game's; returns those in order.
    bool PeekMessage(Message& message) override;
    // MsgWaitForMultipleObjectsEx: returns as soon as input arrives.
    void WaitMessage(uint32_t timeoutMs) override;
    void PostQuitMessage(int exitCode) override;
    void Destroy() override;
    bool IsDestroyed() const override { return destroyed_; }

    void Present(const Surface& backBuffer, std::span<const Rect> rects,
                 const TileChanges* changes) override;
    void ForgetSurface(const Surface& surface) override { canvas_.Forget(surface); }
    const Surface& ClientPixels() const override { return canvas_.Field(); }

    void SetCapture() override;
    void ReleaseCapture() override;

    void SetMenuItemText(int command, const std::string& text) override;
    void RemoveMenuItem(int command) override;
    void SetMenuItems(int menu, const std::vector<MenuItem>& items) override;

    void SetWindowSize(int presetScale) override;
    bool WindowSizeFits(int presetScale) const override;
    std::optional<WindowPlacement> Placement() const override;

    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    bool HasMenuBar() const override { return true; }
    void ShowAboutBox(const std::string& caption, const std::string& heading,
                      const std::string& text) override;

    // Full screen: the window covers its screen without a frame, the field as tall as the
    // screen; the menu bar comes over the field's top while the pointer is at the screen's
    // top edge, while a menu is open, and for F10 or Alt.
    void SetFullscreen(bool fullscreen);
    bool IsFullscreen() const { return fullscreen_; }
    bool IsMenuBarShown() const;

    HWND Handle() const { return window_; }
    const WindowLayout& Layout() const { return canvas_.Layout(); }

private:
    explicit Win32Window(const WindowPlacement& placement);

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    // True when the accelerators took the message (or it repeats a key they took).
    bool TakenByAccelerators(MSG& message);
    void HandleKey(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void HandleCommand(int command);
    void Paint();

    // What the window adds around its client area, for the sizing arithmetic.
    WindowChrome Chrome() const;
    // The work area of the window's screen.
    Rect WorkArea() const;
    // Before there is a window: of the screen nearest to where it was, or the main one.
    static Rect WorkAreaNear(const std::optional<WindowPlacement>& placement);
    // The window rectangle around a client area at this placement.
    RECT FrameAround(const WindowPlacement& placement) const;
    void RememberPlacement();
    // Lays the field out for the client area (windowed) or the screen (full screen) and
    // draws the window's picture afresh when that changed.
    void Relayout();
    // Full screen: shows or hides the menu bar over the field's top.
    void ShowMenuBar(bool shown);

    HWND window_ = nullptr;
    HMENU menu_ = nullptr;  // owned: while hidden in full screen it belongs to no window
    HACCEL accelerators_ = nullptr;
    WindowCanvas canvas_;
    WindowPixels pixels_;
    int originRow_ = 0;                    // picture rows hidden under the full screen's menu bar
    WindowPlacement placement_;            // when last neither full screen, maximised nor minimised
    WINDOWPLACEMENT windowedPlacement_{};  // restored when full screen ends
    bool fullscreen_ = false;
    bool menuShown_ = true;  // attached to the window; in full screen only while revealed
    bool inMenu_ = false;    // a menu is open (the system's menu loop runs)
    bool captured_ = false;
    bool destroyed_ = false;
    std::deque<Message> queue_;
    std::bitset<256> swallowed_;  // keys the accelerators took: their repeats and releases
    std::vector<Rect> changed_;   // kept between frames: presenting allocates nothing
};
