// The window as a replay's recorded input sees it: the real window, except that a recorded
// drag does not capture the mouse of whoever is watching.
#pragma once

#include "platform/Window.h"

class PlaybackWindow final : public Window {
public:
    explicit PlaybackWindow(Window& window) : window_(window) {}

    bool PeekMessage(Message& message) override { return window_.PeekMessage(message); }
    void WaitMessage(uint32_t timeoutMs) override { window_.WaitMessage(timeoutMs); }
    void PostQuitMessage(int exitCode) override { window_.PostQuitMessage(exitCode); }
    void Destroy() override { window_.Destroy(); }
    bool IsDestroyed() const override { return window_.IsDestroyed(); }
    void Present(const Surface& backBuffer, std::span<const Rect> rects,
                 const TileChanges* changes) override {
        window_.Present(backBuffer, rects, changes);
    }
    void ForgetSurface(const Surface& surface) override { window_.ForgetSurface(surface); }
    const Surface& ClientPixels() const override { return window_.ClientPixels(); }
    void SetCapture() override {}
    void ReleaseCapture() override {}
    void SetMenuItemText(int command, const std::string& text) override {
        window_.SetMenuItemText(command, text);
    }
    void RemoveMenuItem(int command) override { window_.RemoveMenuItem(command); }
    void SetMenuItems(int menu, const std::vector<MenuItem>& items) override {
        window_.SetMenuItems(menu, items);
    }
    void SetWindowSize(int presetScale) override { window_.SetWindowSize(presetScale); }
    bool WindowSizeFits(int presetScale) const override {
        return window_.WindowSizeFits(presetScale);
    }
    std::optional<WindowPlacement> Placement() const override { return window_.Placement(); }
    void ShowMessageBox(const std::string& caption, const std::string& text) override {
        window_.ShowMessageBox(caption, text);
    }
    bool HasMenuBar() const override { return window_.HasMenuBar(); }
    void ShowAboutBox(const std::string& caption, const std::string& heading,
                      const std::string& text) override {
        window_.ShowAboutBox(caption, heading, text);
    }

private:
    Window& window_;
};
