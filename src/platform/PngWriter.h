// Writes a surface as an uncompressed PNG file (screenshots, art review sheets, icons).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/Surface.h"

// The file's bytes: 8 bits per channel, deflate stored blocks; RGB, or RGBA when `alpha`
// gives an opacity for every pixel, row by row. Empty for an empty surface or an alpha of
// another size.
std::vector<uint8_t> EncodePng(const Surface& surface, std::span<const uint8_t> alpha = {});

// The RGB file; false for an empty surface or when the file cannot be written.
bool WritePng(const Surface& surface, const std::string& path);
