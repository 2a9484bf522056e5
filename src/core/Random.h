// The one random generator of the whole program; its sequence is part of the game's rules.
#pragma once

#include <cstdint>

class RandomGenerator {
public:
    void Seed(uint32_t seed) { state_ = seed; }
    // The next number, 0 to 32767.
    int Next();
    // The raw 32-bit state, for reports.
    uint32_t State() const { return state_; }

private:
    uint32_t state_ = 0;
};

extern RandomGenerator randomGenerator;

// The next number of the shared generator, 0 to 32767.
int Random();
