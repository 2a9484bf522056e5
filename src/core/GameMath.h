// Numbers shared by the playfield: safe float-to-int truncation, distance, headings and
// the colour wheel.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

// Pi as the rules compute with it: rounded to single precision, in floats and doubles alike.
constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kTwoPi = 2 * kPi;

// Truncates toward zero; NaN gives 0 and values beyond the int32 range saturate. Inline:
// every spark calls it twice a frame.
inline int32_t TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483648.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483649.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}
inline int32_t TruncateToInt(float value) { return TruncateToInt(static_cast<double>(value)); }

// Straight-line distance between two points.
double Distance(float x1, float y1, float x2, float y2);

// The heading from point 1 to point 2 (radians from straight up, clockwise). With maxTurn
// at or below 0 it is brought within half a turn of reference; otherwise the result is the
// signed turn from reference towards point 2, clamped to [-maxTurn, maxTurn]. A reference
// that is not finite or too large to step by whole turns gives NaN.
double AngleTo(float x1, float y1, float x2, float y2, float reference, float maxTurn);

// Hue in degrees, saturation and value in 0..1, to red, green and blue in 0..1. A hue of
// 360 or more, below 0 (except the grey marker -1) or NaN leaves the outputs as they were.
void HsvToRgb(float hue, float saturation, float value, double& red, double& green, double& blue);
