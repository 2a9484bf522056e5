// Distance, headings and the colour wheel, in the precision the rules use.
#include "core/GameMath.h"

#include <cmath>
#include <limits>

#include "core/PortableMath.h"

namespace {

// Headings step by exactly the single-precision turn (kTwoPi).
constexpr double kOneSixtieth = 0.016666668f;

// Larger references would take thousands of whole-turn steps; they carry no heading.
constexpr double kLargestReference = 1.0e4;

}  // namespace

double Distance(float x1, float y1, float x2, float y2) {
    const float dx = x1 - x2;
    const float dy = y1 - y2;
    return std::sqrt(static_cast<double>(dx * dx + dy * dy));
}

double AngleTo(float x1, float y1, float x2, float y2, float reference, float maxTurn) {
    if (!(std::fabs(reference) <= kLargestReference)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    double theta = Atan2(static_cast<double>(x2 - x1), static_cast<double>(y1 - y2));
    // Comparisons with a NaN theta are false, so every loop below ends at once.
    if (reference >= 0) {
        while (theta < 0) theta += kTwoPi;
    } else {
        while (theta >= 0) theta -= kTwoPi;
    }
    while (reference - theta > kTwoPi) theta += kTwoPi;
    while (theta - reference > kTwoPi) theta -= kTwoPi;

    double turn = theta - reference;
    if (turn > kPi) {
        theta -= kTwoPi;
        turn = theta - reference;
    }
    if (turn < -kPi) {
        theta += kTwoPi;
        turn = theta - reference;
    }
    if (maxTurn <= 0) return theta;
    if (turn > maxTurn) return maxTurn;
    if (turn < -maxTurn) return -maxTurn;
    return turn;
}

void HsvToRgb(float hue, float saturation, float value, double& red, double& green, double& blue) {
    const double v = value;
    if (saturation == 0 || hue == -1) {
        red = green = blue = v;
        return;
    }
    const double s = saturation;
    const double sector = hue * kOneSixtieth;
    if (std::isnan(sector)) return;  // no sector: off the wheel like hues of 360 and more
    const int32_t i = TruncateToInt(std::floor(sector));
    const double f = sector - i;
    const double p = v * (1 - s);
    const double q = v * (1 - s * f);
    const double t = v * (1 - s * (1 - f));
    const auto set = [&](double r, double g, double b) {
        red = r;
        green = g;
        blue = b;
    };
    switch (i) {
        case 0:
            set(v, t, p);
            break;
        case 1:
            set(q, v, p);
            break;
        case 2:
            set(p, v, t);
            break;
        case 3:
            set(p, q, v);
            break;
        case 4:
            set(t, p, v);
            break;
        case 5:
            set(v, p, q);
            break;
        default:
            break;  // outside the wheel: the outputs stay as they were
    }
}
