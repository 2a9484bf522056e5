// The main window in a web page: its canvas shows the field at any size (see CanvasPixels),
// the page's pointer, keys and visibility become the game's window messages, and the page's
// controls and dialogs stand in for the menu bar and the boxes.
#pragma once

#include <emscripten/html5.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "platform/KeyTranslator.h"
#include "platform/Window.h"
#include "platform/web/CanvasPixels.h"

class WebWindow final : public Window {
public:
    // Takes over the page's canvas (Module.canvas), keys and controls.
    WebWindow();
    ~WebWindow() override;
    WebWindow(const WebWindow&) = delete;
    WebWindow& operator=(const WebWindow&) = delete;

    bool PeekMessage(Message& message) override;
    // A page never blocks: the game's loop runs on the browser's animation frames instead.
    void WaitMessage(uint32_t) override {}
    void PostQuitMessage(int exitCode) override;
    void Destroy() override;
    bool IsDestroyed() const override { return destroyed_; }

    void Present(const Surface& backBuffer, std::span<const Rect> rects,
                 const TileChanges* changes) override;
    void ForgetSurface(const Surface& surface) override { pixels_.Forget(surface); }
    const Surface& ClientPixels() const override { return pixels_.Field(); }

    // The page's pointer is always captured during a press; the game hears of it outside
    // the field only while it holds the capture, as on the desktop.
    void SetCapture() override { captured_ = true; }
    void ReleaseCapture() override { captured_ = false; }

    void SetMenuItemText(int command, const std::string& text) override;
    void RemoveMenuItem(int command) override;
    // The page's controls hold no menu of changing items (it keeps no replays to list).
    void SetMenuItems(int, const std::vector<MenuItem>&) override {}

    // The field at a whole-number scale of the page's pixels (0: as large as the page
    // allows); a scale the page cannot hold shrinks to fit, so every size fits.
    void SetWindowSize(int presetScale) override;
    bool WindowSizeFits(int) const override { return true; }
    // A page has no place to remember.
    std::optional<WindowPlacement> Placement() const override { return std::nullopt; }

    // The page's dialogs. They do not block; the game waits while one is open (IsBoxOpen),
    // as it does behind the desktop's boxes.
    bool HasMenuBar() const override { return false; }
    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    void ShowAboutBox(const std::string& caption, const std::string& heading,
                      const std::string& text) override;
    bool IsBoxOpen() const { return openBoxes_ > 0; }

    void Post(const Message& message) { queue_.push_back(message); }
    // Told when the player picks a field size.
    void SetSizeListener(std::function<void(int presetScale)> listener) {
        sizeListener_ = std::move(listener);
    }

    // What the page reports (PageEvents.cpp).
    enum class PointerAction { Press, Move, Release };
    // A pointer (mouse, finger or pen) at canvas pixel (x, y), with the button held or not.
    void Pointer(PointerAction action, int x, int y, bool buttonHeld);
    // The canvas now has this many pixels; CSS pixels are pixelsPerCssPixel of them.
    void Resize(PixelSize canvas, double pixelsPerCssPixel);
    void BoxClosed();

private:
    static EM_BOOL OnKey(int type, const EmscriptenKeyboardEvent* event, void* window);
    static EM_BOOL OnVisibility(int type, const EmscriptenVisibilityChangeEvent* event,
                                void* window);
    // True when the browser should not act on the key as well.
    bool HandleKey(bool down, const EmscriptenKeyboardEvent& event);
    void ShowBox(const std::string& caption, const std::string& heading, const std::string& text);
    void Relayout();

    CanvasPixels pixels_;
    PixelSize canvasSize_;
    double pixelsPerCssPixel_ = 1;
    int presetScale_ = 0;
    std::function<void(int)> sizeListener_;
    KeyTranslator keys_{{}};
    std::deque<Message> queue_;
    bool captured_ = false;
    bool destroyed_ = false;
    int openBoxes_ = 0;
};
