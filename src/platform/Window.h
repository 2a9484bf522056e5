// The main window as the game sees it: a message queue, a client area that shows what
// is presented to it, mouse capture, a menu bar and modal boxes.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Messages.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

class Window;

// Every message the window receives goes through the window procedure.
using WindowProcedure = intptr_t (*)(Window& window, uint32_t message, uintptr_t wParam,
                                     intptr_t lParam);

constexpr int kClientWidth = 288;
constexpr int kClientHeight = 576;
constexpr int kMaxDisplayScale = 3;

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

    // Copies these rectangles of the back buffer into the client area and shows them.
    virtual void Present(const Surface& backBuffer, std::span<const Rect> rects) = 0;
    // What the client area shows now, in game pixels (288 x 576).
    virtual const Surface& ClientPixels() const = 0;

    // While captured, mouse messages keep coming when the pointer leaves the window.
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

    virtual void SetMenuItemText(int command, const std::string& text) = 0;
    // A checked item shows a bullet in the drop-down's check column.
    virtual void SetMenuItemChecked(int command, bool checked) = 0;

    // How many screen pixels show one field pixel, from 1 to kMaxDisplayScale; the window
    // resizes to match. Only the presentation scales: the game's coordinates stay the same.
    virtual void SetDisplayScale(int scale) = 0;
    virtual int DisplayScale() const = 0;

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
