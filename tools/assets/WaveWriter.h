// WAVE files of 8-bit unsigned mono PCM (128 is silence).
#pragma once

#include <cstdint>
#include <vector>

std::vector<uint8_t> EncodeWave(uint32_t sampleRate, const std::vector<uint8_t>& samples);
