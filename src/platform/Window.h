// The main window as the game sees it: a message queue, a client area that shows what
// is presented to it, mouse capture, a menu bar and modal boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/TileChanges.h"

class Window;

// Every message the window receives goes through the window procedure.
using WindowProcedure = intptr_t (*)(Window& window, uint32_t message, uintptr_t wParam,
                                     intptr_t lParam);

// The window size presets show the field at 1, 2 or 3 screen pixels per field pixel.
constexpr int kMaxPresetScale = 3;

// Where a window is: its frame's top-left corner on the screen and its client area's size,
// in display units, as when neither full screen nor maximised; and whether it is maximised.
struct WindowPlacement {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool maximised = false;
    bool operator==(const WindowPlacement&) const = default;
};

struct MenuItem {
    std::string text;  // '&' marks the mnemonic letter
    int command = 0;
};

struct Menu {
    std::string title;
    std::vector<MenuItem> items;
};

class Window {
public:
    virtual ~Window() = default;

    // Takes the next waiting message, already translated (accelerators become
    // WM_COMMAND); false when none waits.
    virtual bool PeekMessage(Message& message) = 0;
    // Blocks until a message waits or timeoutMs milliseconds have passed.
    virtual void WaitMessage(uint32_t timeoutMs) = 0;
    // Hands a message to the window procedure and returns its result.
    intptr_t Dispatch(const Message& message);
    intptr_t Send(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0);
    virtual void PostQuitMessage(int exitCode) = 0;
    // Closes the window: WM_DESTROY goes through the window procedure.
    virtual void Destroy() = 0;
    virtual bool IsDestroyed() const = 0;

    // Shows these rectangles of the back buffer in the client area. A window may copy them
    // only when its pixels are read, so until then the back buffer lives and changes only
    // in rectangles presented again (as a frame's drawing does), unless it is forgotten.
    // `changes`, when the drawer counts them, tells which of its tiles may have changed
    // since an earlier present: a window may take the others as it copied them then.
    virtual void Present(const Surface& backBuffer, std::span<const Rect> rects,
                         const TileChanges* changes) = 0;
    // The surface, presented before, is about to change elsewhere or go away: a window still
    // to copy from it does so now.
    virtual void ForgetSurface(const Surface& /*surface*/) {}
    // What the client area shows now, in game pixels (288 x 576).
    virtual const Surface& ClientPixels() const = 0;

    // While captured, mouse messages keep coming when the pointer leaves the window.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    virtual void SetMenuItemText(int command, const std::string& text) = 0;
    virtual void RemoveMenuItem(int command) = 0;
    // Replaces the items of the bar's menu at this position (0: the first) with these.
    virtual void SetMenuItems(int menu, const std::vector<MenuItem>& items) = 0;

    // Sizes the window for a preset scale (1 to kMaxPresetScale), or with 0 as large as the
    // screen's work area allows; leaves full screen first. Only the presentation scales: the
    // game's coordinates stay the same.
    virtual void SetWindowSize(int presetScale) = 0;
    // Whether the window of a preset scale fits the work area of the window's screen.
    virtual bool WindowSizeFits(int presetScale) const = 0;
    // The window's placement, to be restored next time; nothing when it has none to give.
    virtual std::optional<WindowPlacement> Placement() const = 0;

    // Whether the window has a menu bar, and with it the desktop's keys (F10 opens it, full
    // screen, quit) and the Replays menu; a web page offers its few choices as controls.
    virtual bool HasMenuBar() const = 0;

    // Modal boxes with an OK button; they return when closed. The About box's kind (a
    // heading over a text) also shows How to Play.
    virtual void ShowMessageBox(const std::string& caption, const std::string& text) = 0;
    virtual void ShowAboutBox(const std::string& caption, const std::string& heading,
                              const std::string& text) = 0;

    void SetProcedure(WindowProcedure procedure) { procedure_ = procedure; }

private:
    WindowProcedure procedure_ = nullptr;
};

// The default handling of messages nobody else handles: WM_CLOSE destroys the window.
intptr_t DefWindowProc(Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam);
