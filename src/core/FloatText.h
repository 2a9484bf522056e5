// Single-precision numbers as text and back, exactly: the text is the shortest that reads
// back to the same float, and only plain decimal text (digits, one point, an exponent) reads.
#pragma once

#include <string>
#include <string_view>

std::string ShortestFloatText(float value);
// False for anything but the whole of a plain decimal number in float range.
bool ParseFloatText(std::string_view text, float& value);
