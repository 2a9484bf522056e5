// A small JSON reader for checking the headless runner's dumps.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

class JsonValue {
public:
    enum class Type { Null, Bool, Number, String, Array, Object };

    // Parses one JSON text; throws std::runtime_error on malformed input.
    static JsonValue Parse(const std::string& text);

    Type type = Type::Null;
    bool boolean = false;
    double number = 0;
    std::string string;
    std::vector<JsonValue> array;
    std::map<std::string, JsonValue> object;

    const JsonValue& operator[](const std::string& key) const;
    const JsonValue& operator[](size_t index) const;
    size_t Size() const { return type == Type::Array ? array.size() : object.size(); }
    long long Int() const { return static_cast<long long>(number); }
};
