// JSON text.
#include "JsonWriter.h"

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
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.9g", value);
    text_ += buffer;
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
