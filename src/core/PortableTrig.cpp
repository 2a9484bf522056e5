// Sine and cosine: the angle reduced to whole steps of pi/64 plus a small rest r, then
// sin(step + r) = a cos r + b sin r with the step's tabulated a and b. A quick evaluation
// settles nearly every case; the few it cannot round for certain are redone in double-double.
#include <array>
#include <limits>

#include "core/DoubleDouble.h"
#include "core/PortableMath.h"
#include "core/TrigReduction.h"

namespace {

constexpr int kStepsPerQuarterTurn = kStepsPerTurn / 4;
// Below these sizes sin x = x - x^3/6 rounds to x, and cos x = 1 - x^2/2 to 1.
constexpr double kSineIsAngle = 0x1p-26;
constexpr double kCosineIsOne = 0x1p-27;

struct StepSineCosine {
    DoubleDouble sine;
    DoubleDouble cosine;
};

// Taylor series in double-double, for angles up to pi/2: angle^n / n! goes to the cosine
// for even n and to the sine for odd n, with the signs + + - - + + ...
constexpr StepSineCosine SeriesSineCosine(DoubleDouble angle) {
    StepSineCosine sum{};
    DoubleDouble term = {1, 0};
    for (int n = 0; n <= 40; ++n) {
        if (n > 0) term = DivideByDouble(Multiply(term, angle), n);
        const DoubleDouble signedTerm = (n / 2) % 2 == 0 ? term : Negate(term);
        DoubleDouble& series = n % 2 == 0 ? sum.cosine : sum.sine;
        series = Add(series, signedTerm);
    }
    return sum;
}

// sin(steps * pi/64 + r) = a cos r + b sin r; b.hi is kept split for exact products.
struct StepCoefficients {
    DoubleDouble a;
    DoubleDouble b;
    DoubleDouble bSplit;
};

constexpr std::array<StepCoefficients, kStepsPerTurn> MakeStepTable() {
    std::array<StepSineCosine, kStepsPerQuarterTurn> quarter{};
    for (int step = 0; step < kStepsPerQuarterTurn; ++step) {
        quarter[step] = SeriesSineCosine(Multiply({double(step), 0}, kStepAngle));
    }
    std::array<StepCoefficients, kStepsPerTurn> table{};
    for (int step = 0; step < kStepsPerTurn; ++step) {
        const StepSineCosine& entry = quarter[step % kStepsPerQuarterTurn];
        const bool odd = (step / kStepsPerQuarterTurn) % 2 != 0;
        const bool negative = step >= 2 * kStepsPerQuarterTurn;
        DoubleDouble a = odd ? entry.cosine : entry.sine;
        DoubleDouble b = odd ? Negate(entry.sine) : entry.cosine;
        if (negative) {
            a = Negate(a);
            b = Negate(b);
        }
        table[step] = {a, b, Split(b.hi)};
    }
    return table;
}

constexpr std::array<StepCoefficients, kStepsPerTurn> kStepTable = MakeStepTable();

// The reduced angle and cos r - 1 and sin r - r, which sine and cosine share. Below a
// thousandth of the result, the tails are carried well enough by plain doubles.
struct QuickRest {
    ReducedAngle reduced;
    DoubleDouble split;  // r.hi in halves
    double cosTail;
    double sinTail;
};

QuickRest PrepareQuickRest(double size) {
    QuickRest q;
    q.reduced = size < kQuickReductionLimit ? ReduceQuickly(size) : ReduceExactly(size);
    const DoubleDouble& r = q.reduced.rest;
    const double r2 = r.hi * r.hi;
    q.split = Split(r.hi);
    q.cosTail =
        r2 * (-1.0 / 2 + r2 * (1.0 / 24 + r2 * (-1.0 / 720 + r2 * (1.0 / 40320)))) - r.hi * r.lo;
    q.sinTail =
        r.hi * r2 * (-1.0 / 6 + r2 * (1.0 / 120 + r2 * (-1.0 / 5040 + r2 * (1.0 / 362880)))) -
        r.lo * r2 / 2;
    return q;
}

// a + b r + a (cos r - 1) + b (sin r - r), with a + b r kept exact. Only the last two
// terms carry rounding errors: a few units in their last place, bounded by 2^-49 of them.
struct QuickSum {
    DoubleDouble value;
    double errorBound;
};

QuickSum QuickSine(const StepCoefficients& c, const QuickRest& q) {
    const DoubleDouble& r = q.reduced.rest;
    const double product = c.b.hi * r.hi;
    const double productError = ((c.bSplit.hi * q.split.hi - product) + c.bSplit.hi * q.split.lo +
                                 c.bSplit.lo * q.split.hi) +
                                c.bSplit.lo * q.split.lo;
    const DoubleDouble sum = TwoSum(c.a.hi, product);
    const double aCosTail = c.a.hi * q.cosTail, bSinTail = c.b.hi * q.sinTail;
    const double tail =
        sum.lo + productError + c.a.lo + (c.b.hi * r.lo + c.b.lo * r.hi) + (aCosTail + bSinTail);
    const DoubleDouble value = FastTwoSum(sum.hi, tail);
    return {value, (Magnitude(aCosTail) + Magnitude(bSinTail)) * 0x1p-49 +
                       Magnitude(value.hi) * 0x1p-100 + q.reduced.errorBound};
}

// 1/n! for n = 0 to 15, signed in pairs as the sine and cosine series want (+ + - - ...).
constexpr std::array<DoubleDouble, 16> MakeSeriesCoefficients() {
    std::array<DoubleDouble, 16> coefficients{};
    double factorial = 1;
    for (int n = 0; n < 16; ++n) {
        if (n > 0) factorial *= n;  // exact up to 18!
        const DoubleDouble reciprocal = DivideByDouble({1, 0}, factorial);
        coefficients[n] = (n / 2) % 2 == 0 ? reciprocal : Negate(reciprocal);
    }
    return coefficients;
}

constexpr std::array<DoubleDouble, 16> kSeries = MakeSeriesCoefficients();

// The same sum with every term in double-double: about 100 correct bits.
double AccurateSine(double size, int shift) {
    const ReducedAngle reduced = ReduceExactly(size);
    const StepCoefficients& c = kStepTable[(reduced.steps + shift) % kStepsPerTurn];
    const DoubleDouble& r = reduced.rest;
    const DoubleDouble r2 = Multiply(r, r);
    DoubleDouble cosTail = kSeries[14], sinTail = kSeries[15];
    for (int n = 12; n >= 2; n -= 2) {
        cosTail = Add(Multiply(cosTail, r2), kSeries[n]);
        sinTail = Add(Multiply(sinTail, r2), kSeries[n + 1]);
    }
    cosTail = Multiply(cosTail, r2);
    sinTail = Multiply(Multiply(sinTail, r2), r);
    const DoubleDouble main = Add(c.a, Multiply(c.b, r));
    return Add(main, Add(Multiply(c.a, cosTail), Multiply(c.b, sinTail))).hi;
}

// sin(size + shift * pi/64) for a finite size of at least 2^-27.
double ShiftedSine(double size, const QuickRest& q, int shift) {
    const QuickSum quick = QuickSine(kStepTable[(q.reduced.steps + shift) % kStepsPerTurn], q);
    if (RoundsSurely(quick.value, quick.errorBound)) return quick.value.hi;
    return AccurateSine(size, shift);
}

bool IsFinite(double value) { return Magnitude(value) <= std::numeric_limits<double>::max(); }

// NaN stays itself; the infinities have no sine or cosine.
double NotANumber(double radians) {
    return radians != radians ? radians : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double Sin(double radians) {
    if (!IsFinite(radians)) return NotANumber(radians);
    const double size = Magnitude(radians);
    if (size < kSineIsAngle) return radians;  // keeps the sign of zero
    const double sine = ShiftedSine(size, PrepareQuickRest(size), 0);
    return radians < 0 ? -sine : sine;
}

double Cos(double radians) {
    if (!IsFinite(radians)) return NotANumber(radians);
    const double size = Magnitude(radians);
    if (size < kCosineIsOne) return 1;
    return ShiftedSine(size, PrepareQuickRest(size), kStepsPerQuarterTurn);
}

SineCosine SinCos(double radians) {
    if (!IsFinite(radians)) return {NotANumber(radians), NotANumber(radians)};
    const double size = Magnitude(radians);
    if (size < kCosineIsOne) return {radians, 1};
    const QuickRest rest = PrepareQuickRest(size);
    const double sine = size < kSineIsAngle ? size : ShiftedSine(size, rest, 0);
    return {radians < 0 ? -sine : sine, ShiftedSine(size, rest, kStepsPerQuarterTurn)};
}
