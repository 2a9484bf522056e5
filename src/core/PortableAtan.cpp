// Arctangent of y/x: the ratio t of the smaller size to the larger, split as the nearest
// 64th c plus what the addition formula leaves, atan t = atan c + atan((t - c) / (1 + t c)).
// A quick evaluation settles nearly every case; the rest is redone in double-double.
#include <array>
#include <cmath>
#include <limits>

#include "core/DoubleDouble.h"
#include "core/PortableMath.h"

namespace {

constexpr DoubleDouble kPi = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
constexpr DoubleDouble kHalfPi = {kPi.hi / 2, kPi.lo / 2};
constexpr double kQuarterPi = kPi.hi / 4;
constexpr double kThreeQuartersPi = Add(kPi, {-kPi.hi / 4, -kPi.lo / 4}).hi;
constexpr int kTableSteps = 64;
// Below this ratio atan t rounds as t does.
constexpr double kTinyRatio = 0x1p-60;

// Euler's series, atan x = sum of 4^n (n!)^2 / (2n+1)! x^(2n+1) / (1+x^2)^(n+1); for
// 0 <= x <= 1 its terms at least halve at every step.
constexpr DoubleDouble SeriesArctangent(double x) {
    const double denominator = 1 + x * x;  // exact for multiples of 1/64
    const DoubleDouble ratio = DivideByDouble({x * x, 0}, denominator);
    DoubleDouble term = DivideByDouble({x, 0}, denominator), sum = term;
    for (int n = 1; term.hi > sum.hi * 0x1p-110; ++n) {
        term = DivideByDouble(MultiplyByDouble(Multiply(term, ratio), 2.0 * n), 2.0 * n + 1);
        sum = Add(sum, term);
    }
    return sum;
}

constexpr std::array<DoubleDouble, kTableSteps + 1> MakeArctangentTable() {
    std::array<DoubleDouble, kTableSteps + 1> table{};
    for (int i = 0; i <= kTableSteps; ++i) table[i] = SeriesArctangent(double(i) / kTableSteps);
    return table;
}

constexpr std::array<DoubleDouble, kTableSteps + 1> kArctangentTable = MakeArctangentTable();

// (-1)^n / (2n + 1) for n = 0 to 8: the arctangent's series.
constexpr std::array<DoubleDouble, 9> MakeSeriesCoefficients() {
    std::array<DoubleDouble, 9> coefficients{};
    for (int n = 0; n < 9; ++n) {
        coefficients[n] = DivideByDouble({n % 2 == 0 ? 1.0 : -1.0, 0}, 2.0 * n + 1);
    }
    return coefficients;
}

constexpr std::array<DoubleDouble, 9> kSeries = MakeSeriesCoefficients();

int NearestStep(const DoubleDouble& t) { return int(t.hi * kTableSteps + 0.5); }

// atan t for 0 <= t <= 1: u = (t - c) / (1 + t c) is below 1/128, so the series' terms after
// the first are small enough for plain doubles. Only they carry rounding errors: a few units
// in their last place, bounded by 2^-49 of them.
struct QuickSum {
    DoubleDouble value;
    double errorBound;
};

QuickSum QuickArctangent(const DoubleDouble& t) {
    const int step = NearestStep(t);
    const double c = double(step) / kTableSteps;
    const DoubleDouble numerator = TwoSum(t.hi - c, t.lo);  // t.hi - c is exact
    const DoubleDouble tc = TwoProduct(t.hi, c);
    DoubleDouble denominator = FastTwoSum(1, tc.hi);
    denominator.lo += tc.lo + t.lo * c;
    const double uHi = numerator.hi / denominator.hi;
    const DoubleDouble back = TwoProduct(uHi, denominator.hi);
    const double uLo =
        (((numerator.hi - back.hi) - back.lo) + numerator.lo - uHi * denominator.lo) /
        denominator.hi;
    const double u2 = uHi * uHi;
    const double tail =
        uHi * u2 * (-1.0 / 3 + u2 * (1.0 / 5 + u2 * (-1.0 / 7 + u2 * (1.0 / 9 - u2 / 11)))) -
        uLo * u2;
    const DoubleDouble& base = kArctangentTable[step];
    const DoubleDouble sum = TwoSum(base.hi, uHi);
    return {FastTwoSum(sum.hi, sum.lo + base.lo + uLo + tail), Magnitude(tail) * 0x1p-49};
}

DoubleDouble AccurateArctangent(const DoubleDouble& t) {
    const int step = NearestStep(t);
    const double c = double(step) / kTableSteps;
    const DoubleDouble u = Divide(Add(t, {-c, 0}), Add({1, 0}, Multiply(t, {c, 0})));
    const DoubleDouble u2 = Multiply(u, u);
    DoubleDouble series = kSeries[8];
    for (int n = 7; n >= 1; --n) series = Add(Multiply(series, u2), kSeries[n]);
    const DoubleDouble atanU = Add(u, Multiply(Multiply(u, u2), series));
    return Add(kArctangentTable[step], atanU);
}

// The angle of a point in the upper half plane from its arctangent ratio.
DoubleDouble PlaceAngle(DoubleDouble angle, bool swapped, bool negativeX) {
    if (swapped) angle = Add(kHalfPi, Negate(angle));
    if (negativeX) angle = Add(kPi, Negate(angle));
    return angle;
}

// small / large as a double-double, for 2^-60 <= q = fl(small / large) <= 1.
DoubleDouble ExactRatio(double small, double large, double q) {
    // Keep the products below of the sizes at which splitting stays exact.
    if (large > 0x1p500) {
        small *= 0x1p-600;
        large *= 0x1p-600;
    } else if (large < 0x1p-400) {
        small *= 0x1p600;
        large *= 0x1p600;
    }
    // The division's remainder is a double, and these steps find it exactly.
    const DoubleDouble product = TwoProduct(q, large);
    const double remainder = (small - product.hi) - product.lo;
    return FastTwoSum(q, remainder / large);
}

// The angle of (x, y) for finite nonzero sizes, in (0, pi).
double AngleOfSizes(double ySize, double xSize, bool negativeX) {
    const bool swapped = ySize > xSize;
    const double small = swapped ? xSize : ySize, large = swapped ? ySize : xSize;
    const double q = small / large;
    if (q < kTinyRatio && !swapped && !negativeX) return q;

    DoubleDouble t = {q, 0};
    double ratioError = q * 0x1p-52;
    if (q >= kTinyRatio) {
        t = ExactRatio(small, large, q);
        ratioError = 0;
    }
    const QuickSum quick = QuickArctangent(t);
    const DoubleDouble angle = PlaceAngle(quick.value, swapped, negativeX);
    if (RoundsSurely(angle, quick.errorBound + Magnitude(angle.hi) * 0x1p-100 + ratioError)) {
        return angle.hi;
    }
    return PlaceAngle(AccurateArctangent(t), swapped, negativeX).hi;
}

}  // namespace

double Atan2(double y, double x) {
    if (x != x || y != y) return x + y;
    const double ySize = Magnitude(y), xSize = Magnitude(x);
    const double largest = std::numeric_limits<double>::max();
    double angle = 0;
    if (ySize == 0) {
        angle = std::signbit(x) ? kPi.hi : 0;
    } else if (xSize == 0) {
        angle = kHalfPi.hi;
    } else if (ySize > largest && xSize > largest) {
        angle = std::signbit(x) ? kThreeQuartersPi : kQuarterPi;
    } else if (ySize > largest) {
        angle = kHalfPi.hi;
    } else if (xSize > largest) {
        angle = std::signbit(x) ? kPi.hi : 0;
    } else {
        angle = AngleOfSizes(ySize, xSize, std::signbit(x));
    }
    return std::signbit(y) ? -angle : angle;
}
