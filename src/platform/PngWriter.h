// Writes a surface as an uncompressed PNG file (screenshots, art review sheets).
#pragma once

#include <string>

#include "platform/Surface.h"

// RGB, 8 bits per channel, deflate stored blocks. False for an empty surface or when the
// file cannot be written.
bool WritePng(const Surface& surface, const std::string& path);
