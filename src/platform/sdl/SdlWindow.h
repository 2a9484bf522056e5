// The main window on the desktop: a resizable SDL window whose surface shows the menu bar
// and the field at any size (see WindowCanvas), with SDL's events turned into the game's
// window messages.
#pragma once

#include <SDL_events.h>
#include <SDL_video.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/KeyTranslator.h"
#include "platform/Window.h"
#include "platform/display/WindowCanvas.h"
#include "platform/sdl/DesktopOptions.h"
#include "platform/sdl/MenuBar.h"
#include "platform/sdl/MenuTracker.h"

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

    void Present(const Surface& backBuffer, std::span<const Rect> rects,
                 const TileChanges* changes) override;
    void ForgetSurface(const Surface& surface) override { canvas_.Forget(surface); }
    const Surface& ClientPixels() const override { return canvas_.Field(); }

    void SetCapture() override;
    void ReleaseCapture() override;

    void SetMenuItemText(int command, const std::string& text) override;
    void RemoveMenuItem(int command) override;
    void SetMenuItems(int menu, const std::vector<MenuItem>& items) override;

    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    bool HasMenuBar() const override { return true; }
    void ShowAboutBox(const std::string& caption, const std::string& heading,
                      const std::string& text) override;

    void SetWindowSize(int presetScale) override;
    bool WindowSizeFits(int presetScale) const override;
    std::optional<WindowPlacement> Placement() const override;

    // Full screen: the field as tall as the screen, the menu bar shown over its top while
    // the pointer is at the screen's top edge or a menu is open.
    void SetFullscreen(bool fullscreen);
    bool IsFullscreen() const { return fullscreen_; }
    bool IsMenuBarShown() const;

    const WindowLayout& Layout() const { return canvas_.Layout(); }
    const MenuBar& Menus() const { return menuBar_; }

private:
    SdlWindow(SDL_Window* window, const DesktopOptions& options, const WindowPlacement& placement);

    void Post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    void HandleEvent(const SDL_Event& event);
    // False when an open menu must close (focus lost, closing asked for).
    bool HandleWindowEvent(const SDL_WindowEvent& event);
    void HandleKey(const SDL_KeyboardEvent& event);
    void HandleMotion(const SDL_MouseMotionEvent& event);
    void HandleButton(const SDL_MouseButtonEvent& event);
    void RunMenu(int menu, bool byKeyboard);
    MenuTracker::Outcome MenuEvent(MenuTracker& tracker, const SDL_Event& event);
    // Full screen: shows the bar while the pointer is at the top edge, hides it once the
    // pointer has left it.
    void RevealMenuBar(int pointerY);

    // The work area of a display; a guess when it cannot tell.
    static Rect UsableBounds(int display);
    // Window pixels of a position SDL gives in display units.
    int ToPixels(int units) const { return units * pixelsPerUnit_; }
    Rect WorkArea() const;
    void RememberPlacement();
    // Takes the window's surface and size again and lays the window out for them.
    void RefreshSurface();
    // Where to draw: the window's own pixels when they have our format, else the staging
    // copy that Show converts from.
    PixelTarget Target();
    // Puts these window rectangles on the screen.
    void Show(std::span<const Rect> areas);
    void DrawMenus(const PixelTarget& target);
    void RepaintAll();
    void ShowBox(const std::string& caption, const std::string& text);

    SDL_Window* window_ = nullptr;
    Uint32 windowId_ = 0;
    SDL_Surface* surface_ = nullptr;  // owned by the window; fetched again after size changes
    bool drawsDirectly_ = false;      // the surface's pixels are 32-bit 0x00RRGGBB
    int pixelsPerUnit_ = 1;
    bool fullscreen_ = false;
    bool menuRevealed_ = false;  // full screen: the pointer brought the bar out
    WindowPlacement placement_;  // when last neither full screen nor maximised

    WindowCanvas canvas_;
    MenuBar menuBar_;
    const MenuTracker* openMenu_ = nullptr;  // while a menu runs
    KeyTranslator keys_;
    std::deque<Message> queue_;
    // The last wait ran out with no event: the next peek need not ask the display again.
    bool waitFoundNothing_ = false;
    bool captured_ = false;
    bool destroyed_ = false;
    bool swallowButtonRelease_ = false;  // a menu took the press

    // Kept between frames so that presenting allocates nothing once grown.
    Surface staging_;
    Surface menuStrip_;
    std::vector<Rect> changed_;
    std::vector<SDL_Rect> updateRects_;
};
