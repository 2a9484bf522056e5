// Double-double arithmetic: numbers held as an unevaluated sum hi + lo of two doubles, about
// 106 bits, built from IEEE additions and multiplications alone (no fused multiply-add).
#pragma once

#include <cfloat>

// The exact sums and products below need every operation rounded to double, as SSE2,
// WebAssembly and every 64-bit target do; x87 extended precision would break them.
static_assert(FLT_EVAL_METHOD == 0, "double arithmetic must be evaluated in double precision");

struct DoubleDouble {
    double hi = 0;
    double lo = 0;
};

// a + b exactly, for any a and b.
constexpr DoubleDouble TwoSum(double a, double b) {
    const double sum = a + b;
    const double bPart = sum - a;
    return {sum, (a - (sum - bPart)) + (b - bPart)};
}

// a + b exactly, when |a| >= |b| or a is 0.
constexpr DoubleDouble FastTwoSum(double a, double b) {
    const double sum = a + b;
    return {sum, b - (sum - a)};
}

// a as the sum of two halves of at most 26 significant bits each.
constexpr DoubleDouble Split(double a) {
    const double scaled = 134217729.0 * a;  // 2^27 + 1
    const double hi = scaled - (scaled - a);
    return {hi, a - hi};
}

// a * b exactly, for |a| and |b| below 2^995 whose product does not underflow.
constexpr DoubleDouble TwoProduct(double a, double b) {
    const double product = a * b;
    const DoubleDouble x = Split(a);
    const DoubleDouble y = Split(b);
    const double error = ((x.hi * y.hi - product) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo;
    return {product, error};
}

constexpr DoubleDouble Negate(DoubleDouble a) { return {-a.hi, -a.lo}; }

constexpr DoubleDouble Add(DoubleDouble a, DoubleDouble b) {
    DoubleDouble sum = TwoSum(a.hi, b.hi);
    const DoubleDouble tails = TwoSum(a.lo, b.lo);
    sum = FastTwoSum(sum.hi, sum.lo + tails.hi);
    return FastTwoSum(sum.hi, sum.lo + tails.lo);
}

constexpr DoubleDouble Multiply(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble product = TwoProduct(a.hi, b.hi);
    return FastTwoSum(product.hi, product.lo + (a.hi * b.lo + a.lo * b.hi));
}

constexpr DoubleDouble MultiplyByDouble(DoubleDouble a, double b) {
    const DoubleDouble product = TwoProduct(a.hi, b);
    return FastTwoSum(product.hi, product.lo + a.lo * b);
}

constexpr DoubleDouble DivideByDouble(DoubleDouble a, double b) {
    const double quotient = a.hi / b;
    const DoubleDouble back = TwoProduct(quotient, b);
    return FastTwoSum(quotient, (((a.hi - back.hi) - back.lo) + a.lo) / b);
}

// Long division: three quotient digits, each taken from what the last ones left.
constexpr DoubleDouble Divide(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble rest = Add(a, Negate(Multiply({q1, 0}, b)));
    const double q2 = rest.hi / b.hi;
    rest = Add(rest, Negate(Multiply({q2, 0}, b)));
    const double q3 = rest.hi / b.hi;
    return Add(FastTwoSum(q1, q2), {q3, 0});
}

constexpr double Magnitude(double value) { return value < 0 ? -value : value; }

// Whether every number within bound of a.hi + a.lo (normalised) rounds to a.hi: then a.hi is
// the correctly rounded value of anything a approximates that closely.
constexpr bool RoundsSurely(DoubleDouble a, double bound) {
    return a.hi + (a.lo + bound) == a.hi && a.hi + (a.lo - bound) == a.hi;
}
