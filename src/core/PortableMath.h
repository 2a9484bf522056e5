// Sine, cosine and arctangent computed the same, to the last bit, on every system: the
// rules' headings and the drawings that follow them must not depend on the C library.
#pragma once

// Rounded to nearest from IEEE arithmetic alone. A result is checked and, where a quick
// evaluation cannot settle it, recomputed to about 100 bits: correctly rounded unless the
// exact value lies closer than that to a rounding boundary (and then the same everywhere).
// Infinities and NaN give NaN.
double Sin(double radians);
double Cos(double radians);

struct SineCosine {
    double sine;
    double cosine;
};
// Both at once, for less than the two calls cost: the same values as Sin and Cos.
SineCosine SinCos(double radians);

// The angle of the point (x, y) from the positive x axis, in [-pi, pi], rounded as above;
// zeros, infinities and NaN as the C library's atan2 treats them.
double Atan2(double y, double x);
