// A fingerprint of bytes (FNV-1a 64), to hold generated files and dumps to recorded ones.
#pragma once

#include <cstdint>
#include <span>

inline constexpr uint64_t kEmptyHash = 14695981039346656037ull;

// FNV-1a, continued from `hash` so that several files make one fingerprint.
inline uint64_t HashBytes(std::span<const uint8_t> bytes, uint64_t hash = kEmptyHash) {
    for (uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
    return hash;
}
