// What the page's script reports to the window it was given (WebWindow's constructor hands
// it over): the pointer, the canvas's size, the controls' commands and closed dialogs.
#include <emscripten/emscripten.h>

#include "platform/web/WebWindow.h"

extern "C" {

// action: 0 press, 1 move, 2 release; (x, y) in canvas pixels.
EMSCRIPTEN_KEEPALIVE void pebblor_pointer(WebWindow* window, int action, int x, int y, int held) {
    if (action < 0 || action > 2) return;
    window->Pointer(static_cast<WebWindow::PointerAction>(action), x, y, held != 0);
}

EMSCRIPTEN_KEEPALIVE void pebblor_resize(WebWindow* window, int width, int height,
                                         double pixelsPerCssPixel) {
    window->Resize(PixelSize{width, height}, pixelsPerCssPixel);
}

EMSCRIPTEN_KEEPALIVE void pebblor_command(WebWindow* window, int command) {
    window->Post(Message{WM_COMMAND, uintptr_t(command), 0});
}

EMSCRIPTEN_KEEPALIVE void pebblor_box_closed(WebWindow* window) { window->BoxClosed(); }
}
