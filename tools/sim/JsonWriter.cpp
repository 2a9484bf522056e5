// JSON text.
#include "JsonWriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>

void JsonWriter::Clear() {
    text_.clear();
    needComma_ = false;
}

void JsonWriter::Separate() {
    if (needComma_) text_ += ',';
    needComma_ = true;
}

void JsonWriter::BeginObject() {
    Separate();
    text_ += '{';
    needComma_ = false;
}

void JsonWriter::EndObject() {
    text_ += '}';
    needComma_ = true;
}

void JsonWriter::BeginArray() {
    Separate();
    text_ += '[';
    needComma_ = false;
}

void JsonWriter::EndArray() {
    text_ += ']';
    needComma_ = true;
}

void JsonWriter::Key(std::string_view key) {
    String(key);
    text_ += ':';
    needComma_ = false;
}

void JsonWriter::Int(long long value) {
    Separate();
    text_ += std::to_string(value);
}

void JsonWriter::UInt(unsigned long long value) {
    Separate();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    Separate();
    text_ += value ? "true" : "false";
}

void JsonWriter::Float(double value) {
    Separate();
    if (!std::isfinite(value)) {
        text_ += "null";
        return;
    }
    // As printf's "%.9g" writes it, by an exact conversion, so that no system's C library
    // can change a digit. The browser's C++ library has no floating-point to_chars; its C
    // library's printf converts exactly.
    char buffer[40];
#ifdef __EMSCRIPTEN__
    const int length = std::snprintf(buffer, sizeof buffer, "%.9g", value);
    text_.append(buffer, static_cast<size_t>(length));
#else
    const std::to_chars_result end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
    text_.append(buffer, end.ptr);
#endif
}

void JsonWriter::String(std::string_view text) {
    Separate();
    text_ += '"';
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                text_ += "\\\"";
                break;
            case '\\':
                text_ += "\\\\";
                break;
            case '\n':
                text_ += "\\n";
                break;
            case '\r':
                text_ += "\\r";
                break;
            case '\t':
                text_ += "\\t";
                break;
            default:
                if (c < 0x20 || c > 0x7E) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                    text_ += escaped;
                } else {
                    text_ += char(c);
                }
        }
    }
    text_ += '"';
}

void JsonWriter::Raw(std::string_view text) {
    Separate();
    text_ += text;
}
