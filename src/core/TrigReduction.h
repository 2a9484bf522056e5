// Angles split into whole steps of pi/64 and a small rest: the first stage of the portable
// sine and cosine.
#pragma once

#include "core/DoubleDouble.h"

constexpr int kStepsPerTurn = 128;
constexpr DoubleDouble kStepAngle = {0x1.921fb54442d18p-5, 0x1.1a62633145c07p-59};  // pi/64
constexpr double kQuickReductionLimit = 65536.0;

struct ReducedAngle {
    int steps = 0;          // whole steps of pi/64, from 0 to kStepsPerTurn - 1
    DoubleDouble rest;      // angle - steps * pi/64 (modulo a turn), within about pi/128
    double errorBound = 0;  // the most rest can be off by
};

// For 0 <= x < kQuickReductionLimit: pi/64 in three parts, a few operations.
ReducedAngle ReduceQuickly(double x);

// For every finite x >= 0: the product of x with enough bits of 2/pi, in integers.
ReducedAngle ReduceExactly(double x);
