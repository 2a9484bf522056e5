// A window without a display: an in-memory client area, a message queue that tests and the
// headless runner fill, and a record of what the game asked of it. Presented pixels are
// copied only when the client area is read: the runner reads it rarely.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Window.h"
#include "platform/headless/PixelMask.h"

class HeadlessWindow final : public Window {
public:
    HeadlessWindow();

    void Post(const Message& message) { queue_.push_back(message); }
    bool PeekMessage(Message& message) override;
    // Calls the wait hook (tests advance their clock or post messages there) unless a
    // message waits.
    void WaitMessage(uint32_t timeoutMs) override;
    void PostQuitMessage(int exitCode) override;
    void Destroy() override;
    bool IsDestroyed() const override { return destroyed_; }

    // Copies only when the client pixels are read: the tile changes are not needed.
    void Present(const Surface& backBuffer, std::span<const Rect> rects,
                 const TileChanges* changes) override;
    void ForgetSurface(const Surface& surface) override;
    const Surface& ClientPixels() const override;

    void SetCapture() override { captured_ = true; }
    void ReleaseCapture() override { captured_ = false; }
    bool IsCaptured() const { return captured_; }

    void SetMenuItemText(int command, const std::string& text) override;
    void RemoveMenuItem(int command) override {
        menuTexts_.erase(command);
        removed_.insert(command);
    }
    void SetMenuItems(int menu, const std::vector<MenuItem>& items) override {
        menuItems_[menu] = items;
    }
    std::string MenuItemText(int command) const;
    // The items last set for the menu at this position; none when none were.
    std::vector<MenuItem> MenuItems(int menu) const;
    bool IsMenuItemRemoved(int command) const { return removed_.count(command) != 0; }

    // Sizes are recorded; presets up to LargestFittingPreset fit the screen.
    void SetWindowSize(int presetScale) override { windowSize_ = presetScale; }
    bool WindowSizeFits(int presetScale) const override {
        return presetScale <= largestFittingPreset_;
    }
    std::optional<WindowPlacement> Placement() const override { return placement_; }
    void SetPlacement(const std::optional<WindowPlacement>& placement) { placement_ = placement; }
    int LastWindowSize() const { return windowSize_; }
    void SetLargestFittingPreset(int scale) { largestFittingPreset_ = scale; }

    bool HasMenuBar() const override { return hasMenuBar_; }
    void SetHasMenuBar(bool hasMenuBar) { hasMenuBar_ = hasMenuBar; }

    // Boxes are recorded and closed at once, as if OK were pressed.
    void ShowMessageBox(const std::string& caption, const std::string& text) override;
    void ShowAboutBox(const std::string& caption, const std::string& heading,
                      const std::string& text) override;

    struct Box {
        std::string caption;
        std::string text;
    };
    const std::vector<Box>& Boxes() const { return boxes_; }
    const std::vector<Rect>& LastPresented() const { return lastPresented_; }
    int PresentCount() const { return presentCount_; }

    void SetWaitHook(std::function<void(uint32_t)> hook) { waitHook_ = std::move(hook); }

private:
    // Copies what was presented since the last read.
    void CopyPresented() const;

    std::deque<Message> queue_;
    // The client area as last read, and what has been presented from source_ since.
    mutable Surface client_;
    mutable PixelMask presentedSince_;
    const Surface* source_ = nullptr;
    mutable bool maskHoldsLast_ = false;  // the mask holds the last present's rectangles
    std::vector<Rect> lastPresented_;
    int presentCount_ = 0;
    bool captured_ = false;
    bool destroyed_ = false;
    int windowSize_ = -1;  // none asked for yet
    int largestFittingPreset_ = kMaxPresetScale;
    bool hasMenuBar_ = true;
    std::optional<WindowPlacement> placement_;  // none: nothing to remember
    std::map<int, std::string> menuTexts_;
    std::map<int, std::vector<MenuItem>> menuItems_;
    std::set<int> removed_;
    std::vector<Box> boxes_;
    std::function<void(uint32_t)> waitHook_;
};
