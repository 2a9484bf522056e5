// The close request through Xlib, on a connection of its own.
#include "WindowCloseRequest.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>

namespace {

bool TakesPartInProtocol(Display* display, ::Window window, Atom protocol) {
    Atom* protocols = nullptr;
    int count = 0;
    if (XGetWMProtocols(display, window, &protocols, &count) == 0) return false;
    bool found = false;
    for (int i = 0; i < count; ++i) found = found || protocols[i] == protocol;
    XFree(protocols);
    return found;
}

}  // namespace

bool RequestWindowClose(const std::string& windowId, std::string& error) {
    char* end = nullptr;
    const unsigned long id = std::strtoul(windowId.c_str(), &end, 0);
    if (windowId.empty() || *end != '\0') {
        error = "not a window id: " + windowId;
        return false;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        error = "cannot open the X display";
        return false;
    }
    const ::Window window = ::Window(id);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    bool sent = false;
    if (!TakesPartInProtocol(display, window, deleteWindow)) {
        error = "the window does not list WM_DELETE_WINDOW in WM_PROTOCOLS";
    } else {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = protocols;
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(deleteWindow);
        event.xclient.data.l[1] = CurrentTime;
        sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
        XSync(display, False);
        if (!sent) error = "XSendEvent failed";
    }
    XCloseDisplay(display);
    return sent;
}
