// A small writer of one-line JSON objects for the runner's dump.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Object members start with a key; array elements do not.
    void Key(std::string_view key);
    void Int(long long value);
    void UInt(unsigned long long value);
    void Bool(bool value);
    // Printed with %.9g; NaN and infinities, which JSON lacks, print as null.
    void Float(double value);
    // Bytes above 127 print as \u00XX; control bytes are escaped.
    void String(std::string_view text);
    void Raw(std::string_view text);

    const std::string& Text() const { return text_; }
    void Clear();

private:
    void Separate();
    std::string text_;
    bool needComma_ = false;
};
