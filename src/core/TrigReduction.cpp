// Reduction modulo pi/64: a three-part constant for moderate angles, and for any angle a
// long integer product of its mantissa with the binary digits of 2/pi.
#include "core/TrigReduction.h"

#include <cstdint>
#include <cstring>

namespace {

// pi/64 = kStepPart1 + kStepPart2 + kStepPart3 + about 2^-128. The first two parts have 32
// significant bits, so that k times either is exact for every k below 2^21.
constexpr double kStepPart1 = 0x1.921fb544p-5;
constexpr double kStepPart2 = 0x1.0b4611a6p-39;
constexpr double kStepPart3 = 0x1.3198a2e037073p-74;
constexpr double kQuickError = 0x1p-104;  // 2^21 * 2^-128 plus the roundings of the tail
constexpr double kStepsPerRadian = 0x1.45f306dc9c883p+4;  // 64/pi, only to choose k

// 2/pi in binary, 32 digits a word, most significant first: enough words for the largest
// double (the digits before a product's window only add whole turns).
constexpr uint32_t kTwoOverPi[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046,
};
constexpr int kWindowWords = 7;  // of 2/pi, multiplied by the 53-bit mantissa
constexpr int kProductWords = kWindowWords + 2;

// A little-endian multi-word integer: the product of a mantissa and a window of 2/pi.
using Product = uint32_t[kProductWords];

uint32_t WordAt(const Product& words, int index) {
    return index < kProductWords ? words[index] : 0;
}

// count (at most 53) bits of words starting at bit `low` (>= 0), as an integer.
uint64_t BitsAt(const Product& words, int low, int count) {
    const int index = low / 32, shift = low % 32;
    uint64_t bits = (WordAt(words, index) | uint64_t{WordAt(words, index + 1)} << 32) >> shift;
    if (shift != 0) bits |= uint64_t{WordAt(words, index + 2)} << (64 - shift);
    return bits & ((uint64_t{1} << count) - 1);
}

// Multiply-accumulate of one 32-bit half of the mantissa into the product, `offset` words up.
void AddMultiple(Product& product, const uint32_t* window, uint64_t factor, int offset) {
    uint64_t carry = 0;
    for (int word = 0; word < kWindowWords; ++word) {
        // window is most significant first; the product least significant first.
        const uint64_t sum =
            uint64_t{window[kWindowWords - 1 - word]} * factor + product[word + offset] + carry;
        product[word + offset] = uint32_t(sum);
        carry = sum >> 32;
    }
    product[kWindowWords + offset] += uint32_t(carry);
}

void NegateProduct(Product& product) {
    uint64_t carry = 1;
    for (uint32_t& word : product) {
        const uint64_t sum = uint64_t{~word} + carry;
        word = uint32_t(sum);
        carry = sum >> 32;
    }
}

}  // namespace

ReducedAngle ReduceQuickly(double x) {
    const int k = int(x * kStepsPerRadian + 0.5);
    const double steps = k;
    // Exact: steps * kStepPart1 has at most 53 bits and lies within a factor 2 of x.
    const double high = x - steps * kStepPart1;
    const DoubleDouble first = TwoSum(high, -(steps * kStepPart2));  // the product is exact
    // steps * kStepPart3 is below 2^-52: its rounding error is below 2^-106.
    return {k % kStepsPerTurn, TwoSum(first.hi, first.lo - steps * kStepPart3), kQuickError};
}

ReducedAngle ReduceExactly(double x) {
    if (x < kStepAngle.hi / 2) return {0, {x, 0}, 0};

    // x = mantissa * 2^exponent, and (64/pi) x = mantissa * 2^(exponent + 5) * (2/pi).
    uint64_t bits = 0;
    std::memcpy(&bits, &x, sizeof bits);
    const int exponent = int(bits >> 52) - 1075;
    const uint64_t mantissa = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    // Digits of 2/pi before this word give multiples of 128 steps, whole turns.
    const int firstWord = exponent >= 2 ? (exponent - 2) / 32 : 0;
    const uint32_t* window = kTwoOverPi + firstWord;
    Product product = {};
    AddMultiple(product, window, mantissa & 0xFFFFFFFF, 0);
    AddMultiple(product, window, mantissa >> 32, 1);
    // The product's binary point: at least 186 bits of fraction, so the digits of 2/pi left
    // out after the window are worth less than 2^-133 steps.
    const int point = 32 * (firstWord + kWindowWords) - exponent - 5;

    int steps = int(BitsAt(product, point, 7));
    const bool roundUp = BitsAt(product, point - 1, 1) != 0;
    if (roundUp) {
        // The rest becomes (fraction - 1): its size is the fraction's complement.
        steps = (steps + 1) % kStepsPerTurn;
        NegateProduct(product);
    }
    const double part1 = double(BitsAt(product, point - 53, 53)) * 0x1p-53;
    const double part2 = double(BitsAt(product, point - 106, 53)) * 0x1p-106;
    const double part3 = double(BitsAt(product, point - 159, 53)) * 0x1p-159;
    const DoubleDouble fraction = Add(FastTwoSum(part1, part2), {part3, 0});
    DoubleDouble rest = Multiply(fraction, kStepAngle);
    if (roundUp) rest = Negate(rest);
    const double size = rest.hi < 0 ? -rest.hi : rest.hi;
    return {steps, rest, 0x1p-130 + size * 0x1p-100};
}
