// The shared linear congruential generator.
#include "core/Random.h"

RandomGenerator randomGenerator;

int RandomGenerator::Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 32767u);
}

int Random() { return randomGenerator.Next(); }
