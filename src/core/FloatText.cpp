// Floats to text and back. Where the C++ library offers no floating-point charconv (the
// browser build's libc++ 13), the C library's formatting stands in: its text may be spelt
// otherwise (1e+05 for 100000) but reads back to the same float.
#include "core/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#if defined(_LIBCPP_VERSION)
#define PEBBLOR_FLOAT_CHARCONV 0
#else
#define PEBBLOR_FLOAT_CHARCONV 1
#endif

#if !PEBBLOR_FLOAT_CHARCONV
namespace {

// What from_chars takes: an optional minus, digits with at most one point, an exponent.
bool IsPlainDecimal(std::string_view text) {
    size_t at = text.starts_with('-') ? 1 : 0;
    size_t digits = 0;
    bool point = false;
    for (; at < text.size() && text[at] != 'e' && text[at] != 'E'; ++at) {
        if (text[at] == '.' && !point) {
            point = true;
        } else if (text[at] >= '0' && text[at] <= '9') {
            ++digits;
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    if (at == text.size()) return true;
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (at == text.size()) return false;
    for (; at < text.size(); ++at) {
        if (text[at] < '0' || text[at] > '9') return false;
    }
    return true;
}

}  // namespace
#endif

std::string ShortestFloatText(float value) {
    char buffer[48];
#if PEBBLOR_FLOAT_CHARCONV
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, written.ptr);
#else
    // Nine significant digits always read back the same float.
    for (int digits = 1;; ++digits) {
        std::snprintf(buffer, sizeof buffer, "%.*g", digits, double(value));
        if (digits >= 9 || std::strtof(buffer, nullptr) == value) return buffer;
    }
#endif
}

bool ParseFloatText(std::string_view text, float& value) {
#if PEBBLOR_FLOAT_CHARCONV
    const auto [end, result] = std::from_chars(text.data(), text.data() + text.size(), value);
    return result == std::errc() && end == text.data() + text.size();
#else
    if (!IsPlainDecimal(text)) return false;
    const std::string copy(text);
    const float parsed = std::strtof(copy.c_str(), nullptr);
    // Out of range reads as infinity (or HUGE_VALF), as from_chars refuses it.
    if (std::isinf(parsed)) return false;
    value = parsed;
    return true;
#endif
}
