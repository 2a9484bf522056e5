// The About box of the resources (dialog 103): the icon, a heading and a text, with OK. A
// text too long for it, even grown to the screen's height, goes into a dialog whose text
// scrolls (dialog 110).
#pragma once

#include <string>

#include "platform/win32/WindowsApi.h"

// Modal: returns when the box is closed. The texts are Windows-1252.
void ShowAboutDialog(HWND owner, const std::string& caption, const std::string& heading,
                     const std::string& text);
