// Asking a window to close the way a window manager does: a WM_DELETE_WINDOW message.
#pragma once

#include <string>

// Sends WM_PROTOCOLS / WM_DELETE_WINDOW to the window with this X id. False when the window
// does not take part in that protocol (a window manager would then have to destroy it) or
// the display cannot be reached; `error` says which.
bool RequestWindowClose(const std::string& windowId, std::string& error);
