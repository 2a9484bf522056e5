// The sound clips built into the executable: 8-bit mono PCM WAVE files by resource id.
#pragma once

#include <cstdint>
#include <span>

// The whole WAVE file of the clip with this id; empty when there is none.
std::span<const uint8_t> FindWaveResource(int id);
