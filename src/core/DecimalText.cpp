// Decimal text of whole numbers.
#include "core/DecimalText.h"

#include <algorithm>
#include <charconv>

char* WriteDecimal(char* out, int64_t value, int width) {
    char digits[24];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    const char* first = digits;
    if (value < 0) {
        *out++ = *first++;  // the minus sign counts towards the width
        --width;
    }
    out = std::fill_n(out, std::max<int64_t>(width - (end - first), 0), '0');
    return std::copy(first, end, out);
}
