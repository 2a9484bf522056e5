// Elementary functions built from + - * / and sqrt only, so the generated art and sound
// come out bit for bit the same with every compiler and C library.
#pragma once

#include <numbers>

constexpr double kPi = std::numbers::pi;
constexpr double kTwoPi = 2.0 * kPi;

double Sine(double radians);
double Cosine(double radians);
double Exp(double x);
// 2 to the power x.
double Pow2(double x);
// base (> 0) to the power of a whole number.
double PowInt(double base, int exponent);

double Clamp(double value, double low, double high);
double Clamp01(double value);
double Lerp(double a, double b, double t);
// 0 below edge0, 1 above edge1, a smooth cubic step between.
double SmoothStep(double edge0, double edge1, double x);
