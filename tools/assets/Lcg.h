// A seeded linear congruential generator: the one source of randomness in the art and sound.
#pragma once

#include <cstdint>

class Lcg {
public:
    explicit Lcg(uint32_t seed) : state_(seed) {}

    uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_;
    }
    // Uniform in [0, 1).
    double Unit() { return double(Next() >> 8) / 16777216.0; }
    // Uniform in [-1, 1).
    double Signed() { return Unit() * 2.0 - 1.0; }

private:
    uint32_t state_;
};
