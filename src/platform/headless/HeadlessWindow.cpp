// The in-memory window.
#include "platform/headless/HeadlessWindow.h"

#include "platform/DrawContext.h"

HeadlessWindow::HeadlessWindow() : client_(kClientWidth, kClientHeight) {
    lastPresented_.reserve(256);
}

bool HeadlessWindow::PeekMessage(Message& message) {
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void HeadlessWindow::WaitMessage(uint32_t timeoutMs) {
    if (waitHook_) waitHook_(timeoutMs);
}

void HeadlessWindow::PostQuitMessage(int exitCode) {
    queue_.push_back(Message{WM_QUIT, uintptr_t(exitCode), 0});
}

void HeadlessWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    Send(WM_DESTROY);
}

void HeadlessWindow::Present(const Surface& backBuffer, std::span<const Rect> rects) {
    DrawContext client(client_);
    lastPresented_.assign(rects.begin(), rects.end());
    ++presentCount_;
    for (const Rect& r : rects) {
        client.Copy(backBuffer, r.left, r.top, r.Width(), r.Height(), r.left, r.top);
    }
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
