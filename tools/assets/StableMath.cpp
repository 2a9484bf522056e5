// Elementary functions by range reduction and fixed-length series.
#include "StableMath.h"

#include <cmath>

namespace {

constexpr double kLn2 = 0.69314718055994530942;
constexpr double kHalfPi = 0.5 * kPi;

// sin(x) for |x| <= pi/2 by its Taylor series to the x^21 term.
double SineSeries(double x) {
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 10; ++n) {
        term = -term * x2 / double((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

}  // namespace

double Sine(double radians) {
    // Reduce to [-pi, pi], then fold into [-pi/2, pi/2] with sin(pi - x) = sin(x).
    double x = radians - kTwoPi * std::floor(radians / kTwoPi + 0.5);
    if (x > kHalfPi) {
        x = kPi - x;
    } else if (x < -kHalfPi) {
        x = -kPi - x;
    }
    return SineSeries(x);
}

double Cosine(double radians) { return Sine(radians + kHalfPi); }

double Exp(double x) {
    if (x < -700.0) {
        return 0.0;
    }
    if (x > 700.0) {
        return HUGE_VAL;
    }
    const double k = std::floor(x / kLn2 + 0.5);
    const double r = x - k * kLn2;
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n <= 18; ++n) {
        term = term * r / double(n);
        sum += term;
    }
    return std::ldexp(sum, int(k));
}

double Pow2(double x) { return Exp(x * kLn2); }

double PowInt(double base, int exponent) {
    double result = 1.0;
    for (int i = 0; i < exponent; ++i) {
        result *= base;
    }
    return result;
}

double Clamp(double value, double low, double high) {
    return value < low ? low : (value > high ? high : value);
}

double Clamp01(double value) { return Clamp(value, 0.0, 1.0); }

double Lerp(double a, double b, double t) { return a + (b - a) * t; }

double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}
