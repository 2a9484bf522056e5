// The main window on the desktop: an SDL window whose surface shows the menu bar and the
// field at an integer scale, with SDL's events turned into the game's window messages.
#pragma once

#include <SDL_events.h>
#include <SDL_video.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/sdl/DesktopOptions.h"
#include "platform/sdl/KeyTranslator.h"
#include "platform/sdl/MenuBar.h"
#include "platform/sdl/MenuTracker.h"
#include "platform/sdl/WindowGeometry.h"

class SdlWindow final : public Window {
public:
    // Needs SDL's video started. Null, with the reason in `error`, when no window opens.
    static std::unique_ptr<SdlWindow> Create(const DesktopOptions& options, std::string& error);
    ~SdlWindow() override;
    SdlWindow(const SdlWindow&) = delete;
    SdlWindow& operator=(const SdlWindow&) = delete;

    // Waiting messages first, then SDL's events. A click on a menu title runs the menu
    // until it closes, as the system's menus do; the game's frames wait meanwhile.
    bool PeekMessage(Message& message) override;
    void WaitMessage(uint32_t timeoutMs) override;
    void PostQuitMessage(int exitCode) override;
    void Destroy() override;
    bool IsDestroyed() const override { return destroyed_; }

    void Present(const Surface& backBuffer, std::span<const Rect> rects) override;
    const Surface& ClientPixels() const override { return client_; }

    void SetCapture() override;
    void ReleaseCapture() override;

    void SetMenuItemText(int command, const std::string& text) override;
    void SetMenuItemChecked(int command, bool checked) override;

    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    void ShowAboutBox(const std::string& caption, const std::string& heading,
                      const std::string& text) override;

    void SetDisplayScale(int scale) override;
    int DisplayScale() const override { return displayScale_; }
    void SetFullscreen(bool fullscreen);
    bool IsFullscreen() const { return fullscreen_; }

    const WindowLayout& Layout() const { return layout_; }
    const MenuBar& Menus() const { return menuBar_; }

private:
    SdlWindow(SDL_Window* window, const DesktopOptions& options, int scale);

    void Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    void HandleEvent(const SDL_Event& event);
    // False when an open menu must close (focus lost, closing asked for).
    bool HandleWindowEvent(const SDL_WindowEvent& event);
    void HandleKey(const SDL_KeyboardEvent& event);
    void HandleMotion(const SDL_MouseMotionEvent& event);
    void HandleButton(const SDL_MouseButtonEvent& event);
    void RunMenu(int menu, bool byKeyboard);
    MenuTracker::Outcome MenuEvent(MenuTracker& tracker, const SDL_Event& event);

    // Window pixels of a position SDL gives in display units.
    int ToPixels(int units) const { return units * pixelsPerUnit_; }
    void RefreshSurface();
    void RepaintAll();
    void ShowBox(const std::string& caption, const std::string& text);

    SDL_Window* window_ = nullptr;
    Uint32 windowId_ = 0;
    SDL_Surface* surface_ = nullptr;  // owned by the window; fetched again after size changes
    WindowLayout layout_;
    int displayScale_ = 1;
    int pixelsPerUnit_ = 1;
    bool fullscreen_ = false;

    Surface client_;
    MenuBar menuBar_;
    const MenuTracker* openMenu_ = nullptr;  // while a menu runs
    KeyTranslator keys_;
    std::deque<Message> queue_;
    bool captured_ = false;
    bool destroyed_ = false;
    bool swallowButtonRelease_ = false;  // a menu took the press

    // Scratch kept so that presenting allocates nothing once grown.
    Surface menuStrip_;
    std::vector<Pixel> rowBuffer_;
    std::vector<SDL_Rect> updateRects_;
};
