// The 32-bit key under which the art cache finds an image by its requested name.
#pragma once

#include <cstdint>

// The CRC-32 register over the text's bytes without the final inversion, i.e. the
// complement of the text's standard CRC-32. "" (and a null text) give 0xFFFFFFFF.
uint32_t NameKey(const char* text);
