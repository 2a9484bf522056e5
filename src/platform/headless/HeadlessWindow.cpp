// The in-memory window.
#include "platform/headless/HeadlessWindow.h"

#include <algorithm>

#include "platform/FieldGeometry.h"

HeadlessWindow::HeadlessWindow()
    : client_(kFieldWidth, kFieldHeight), presentedSince_(kFieldWidth, kFieldHeight) {
    lastPresented_.reserve(256);
}

bool HeadlessWindow::PeekMessage(Message& message) {
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessWindow::WaitMessage(uint32_t timeoutMs) {
    if (queue_.empty() && waitHook_) waitHook_(timeoutMs);
}

void HeadlessWindow::PostQuitMessage(int exitCode) {
    queue_.push_back(Message{WM_QUIT, uintptr_t(exitCode), 0});
}

void HeadlessWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    Send(WM_DESTROY);
}

void HeadlessWindow::Present(const Surface& backBuffer, std::span<const Rect> rects,
                             const TileChanges* /*changes*/) {
    ++presentCount_;
    if (source_ != &backBuffer) {
        CopyPresented();
        source_ = &backBuffer;
    }
    // Frames often present much of what the last one did, which the mask may still hold.
    // The game presents its rectangles a band of 32 rows after another, left to right in
    // each: the last frame's are looked through once, in that order.
    // The order only saves work: a shift, which rounds rows above the top down, will do.
    auto before = [](const Rect& a, const Rect& b) {
        return a.top >> 5 < b.top >> 5 || (a.top >> 5 == b.top >> 5 && a.left < b.left);
    };
    size_t last = 0;
    for (const Rect& rect : rects) {
        while (maskHoldsLast_ && last < lastPresented_.size() &&
               before(lastPresented_[last], rect)) {
            ++last;
        }
        if (maskHoldsLast_ && last < lastPresented_.size() && lastPresented_[last] == rect) {
            ++last;
        } else {
            presentedSince_.Add(Intersect(rect, backBuffer.Bounds()));
        }
    }
    lastPresented_.assign(rects.begin(), rects.end());
    maskHoldsLast_ = true;
}

void HeadlessWindow::ForgetSurface(const Surface& surface) {
    if (source_ != &surface) return;
    CopyPresented();
    source_ = nullptr;
}

const Surface& HeadlessWindow::ClientPixels() const {
    CopyPresented();
    return client_;
}

void HeadlessWindow::CopyPresented() const {
    if (source_ == nullptr) return;
    presentedSince_.ForEachRun([this](int y, int left, int right) {
        const Pixel* from = source_->Row(y);
        std::copy(from + left, from + right, client_.Row(y) + left);
    });
    presentedSince_.Clear();
    maskHoldsLast_ = false;
}

void HeadlessWindow::SetMenuItemText(int command, const std::string& text) {
    menuTexts_[command] = text;
}

std::string HeadlessWindow::MenuItemText(int command) const {
    auto found = menuTexts_.find(command);
    return found == menuTexts_.end() ? std::string() : found->second;
}

std::vector<MenuItem> HeadlessWindow::MenuItems(int menu) const {
    auto found = menuItems_.find(menu);
    return found == menuItems_.end() ? std::vector<MenuItem>() : found->second;
}

void HeadlessWindow::ShowMessageBox(const std::string& caption, const std::string& text) {
    boxes_.push_back(Box{caption, text});
}

void HeadlessWindow::ShowAboutBox(const std::string& caption, const std::string& heading,
                                  const std::string& text) {
    boxes_.push_back(Box{caption, heading + "\n" + text});
}
