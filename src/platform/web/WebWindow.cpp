// The page's window: keys and visibility through html5.h, the rest through the page's
// script (Module.pebblorPage), which holds the controls and dialogs and reports the
// pointer and the canvas's size (PageEvents.cpp).
#include "platform/web/WebWindow.h"

#include <emscripten/emscripten.h>

#include <algorithm>

#include "platform/web/DomKeyMapping.h"

namespace {

constexpr const char* kCanvas = "#field";

// clang-format off
// The game's text is Windows-1252; the page's is Unicode.
EM_JS(void, pebblor_page_attach, (void* window), { Module.pebblorPage.attach(window); });

EM_JS(void, pebblor_page_set_control_text, (int command, const char* text, int length), {
    const decoded = new TextDecoder("windows-1252").decode(HEAPU8.subarray(text, text + length));
    Module.pebblorPage.setControlText(command, decoded);
});

EM_JS(void, pebblor_page_hide_control, (int command), {
    Module.pebblorPage.hideControl(command);
});

EM_JS(void, pebblor_page_show_size, (int presetScale), {
    Module.pebblorPage.showSize(presetScale);
});

EM_JS(void, pebblor_page_show_box, (const char* caption, int captionLength, const char* heading,
                                    int headingLength, const char* text, int textLength), {
    const decoder = new TextDecoder("windows-1252");
    const decode = function(at, length) { return decoder.decode(HEAPU8.subarray(at, at + length)); };
    Module.pebblorPage.showBox(decode(caption, captionLength), decode(heading, headingLength),
                               decode(text, textLength));
});

EM_JS(void, pebblor_page_toggle_fullscreen, (), { Module.pebblorPage.toggleFullscreen(); });

EM_JS(void, pebblor_page_focus_controls, (), { Module.pebblorPage.focusControls(); });
// clang-format on

// The browser keeps the keys it needs for itself: Tab moves the focus, Ctrl and Alt make
// its shortcuts, and so do the function keys other than the game's F6.
bool IsBrowserShortcut(const KeyEvent& key) {
    return key.ctrl || key.alt || key.virtualKey == VK_TAB ||
           (key.virtualKey >= VK_F1 && key.virtualKey <= VK_F24 && key.virtualKey != VK_F6);
}

}  // namespace

WebWindow::WebWindow() {
    pebblor_page_attach(this);
    emscripten_set_keydown_callback(kCanvas, this, true, OnKey);
    emscripten_set_keyup_callback(kCanvas, this, true, OnKey);
    emscripten_set_visibilitychange_callback(this, true, OnVisibility);
    EmscriptenVisibilityChangeEvent visibility{};
    if (emscripten_get_visibility_status(&visibility) == EMSCRIPTEN_RESULT_SUCCESS &&
        visibility.hidden) {
        Post(Message{WM_ACTIVATE, WA_INACTIVE, 0});
    }
}

WebWindow::~WebWindow() {
    emscripten_set_keydown_callback(kCanvas, nullptr, true, nullptr);
    emscripten_set_keyup_callback(kCanvas, nullptr, true, nullptr);
    emscripten_set_visibilitychange_callback(nullptr, true, nullptr);
    pebblor_page_attach(nullptr);
}

bool WebWindow::PeekMessage(Message& message) {
    if (queue_.empty()) return false;
    message = queue_.front();
    queue_.pop_front();
    return true;
}

void WebWindow::PostQuitMessage(int exitCode) { Post(Message{WM_QUIT, uintptr_t(exitCode), 0}); }

void WebWindow::Destroy() {
    if (destroyed_) return;
    destroyed_ = true;
    captured_ = false;
    Send(WM_DESTROY);
}

void WebWindow::Present(const Surface& backBuffer, std::span<const Rect> rects,
                        const TileChanges* changes) {
    if (!destroyed_) pixels_.Present(backBuffer, rects, changes);
}

void WebWindow::SetMenuItemText(int command, const std::string& text) {
    pebblor_page_set_control_text(command, text.data(), int(text.size()));
}

void WebWindow::RemoveMenuItem(int command) { pebblor_page_hide_control(command); }

void WebWindow::SetWindowSize(int presetScale) {
    presetScale_ = std::clamp(presetScale, 0, kMaxPresetScale);
    Relayout();
    pebblor_page_show_size(presetScale_);
    if (sizeListener_) sizeListener_(presetScale_);
}

void WebWindow::ShowBox(const std::string& caption, const std::string& heading,
                        const std::string& text) {
    ++openBoxes_;
    pebblor_page_show_box(caption.data(), int(caption.size()), heading.data(), int(heading.size()),
                          text.data(), int(text.size()));
}

void WebWindow::ShowMessageBox(const std::string& caption, const std::string& text) {
    ShowBox(caption, "", text);
}

void WebWindow::ShowAboutBox(const std::string& caption, const std::string& heading,
                             const std::string& text) {
    ShowBox(caption, heading, text);
}

void WebWindow::BoxClosed() { openBoxes_ = std::max(0, openBoxes_ - 1); }

void WebWindow::Resize(PixelSize canvas, double pixelsPerCssPixel) {
    canvasSize_ = canvas;
    pixelsPerCssPixel_ = pixelsPerCssPixel;
    Relayout();
}

void WebWindow::Relayout() {
    pixels_.SetLayout(PageLayout(canvasSize_, presetScale_, pixelsPerCssPixel_));
}

void WebWindow::Pointer(PointerAction action, int x, int y, bool buttonHeld) {
    const WindowLayout& layout = pixels_.Layout();
    // Outside the field the game hears of the pointer only while it holds the capture.
    if (destroyed_ || (!captured_ && !layout.InField(x, y))) return;
    const FieldPoint at = layout.ToField(x, y);
    const intptr_t where = MakeMouseLParam(at.x, at.y);
    switch (action) {
        case PointerAction::Press:
            Post(Message{WM_LBUTTONDOWN, MK_LBUTTON, where});
            break;
        case PointerAction::Move:
            Post(Message{WM_MOUSEMOVE, buttonHeld ? MK_LBUTTON : 0u, where});
            break;
        case PointerAction::Release:
            Post(Message{WM_LBUTTONUP, 0, where});
            break;
    }
}

EM_BOOL WebWindow::OnKey(int type, const EmscriptenKeyboardEvent* event, void* window) {
    return static_cast<WebWindow*>(window)->HandleKey(type == EMSCRIPTEN_EVENT_KEYDOWN, *event);
}

bool WebWindow::HandleKey(bool down, const EmscriptenKeyboardEvent& event) {
    // Command-key combinations belong to the system and the browser.
    if (event.metaKey || destroyed_) return false;
    KeyEvent key;
    key.down = down;
    key.repeat = event.repeat != 0;
    key.virtualKey = VirtualKeyForDomKey(event.code, event.key);
    key.alt = event.altKey != 0;
    key.ctrl = event.ctrlKey != 0;
    key.slashOrQuestion = IsSlashOrQuestionDomKey(event.code, event.key);
    const KeyAction action = keys_.Translate(key);
    switch (action.kind) {
        case KeyAction::Kind::Message:
            // A page cannot close itself: Exit is not offered.
            if (action.message.message == WM_COMMAND && action.message.wParam == IDM_EXIT) {
                return false;
            }
            Post(action.message);
            return action.message.message == WM_COMMAND || !IsBrowserShortcut(key);
        case KeyAction::Kind::ToggleFullscreen:
            pebblor_page_toggle_fullscreen();
            return true;
        case KeyAction::Kind::OpenMenu:
            // The page's controls are its menu.
            pebblor_page_focus_controls();
            return true;
        case KeyAction::Kind::None:
            break;
    }
    return false;
}

EM_BOOL WebWindow::OnVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* window) {
    // A hidden page is an inactive window: no frames run.
    static_cast<WebWindow*>(window)->Post(
        Message{WM_ACTIVATE, event->hidden ? WA_INACTIVE : WA_ACTIVE, 0});
    return false;
}
