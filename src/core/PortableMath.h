// Sine, cosine and arctangent computed the same, to the last bit, on every system: the
// rules' headings and the drawings that follow them must not depend on the C library.
#pragma once

// Correctly rounded (to nearest) for every finite argument, from IEEE arithmetic alone.
// Infinities and NaN give NaN.
double Sin(double radians);
double Cos(double radians);

struct SineCosine {
    double sine;
    double cosine;
};
// Both at once, for less than the two calls cost: the same values as Sin and Cos.
SineCosine SinCos(double radians);

// The angle of the point (x, y) from the positive x axis, in [-pi, pi], correctly rounded;
// zeros, infinities and NaN as the C library's atan2 treats them.
double Atan2(double y, double x);
