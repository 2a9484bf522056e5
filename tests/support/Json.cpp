// Recursive-descent JSON parsing.
#include "support/Json.h"

#include <cstdlib>
#include <stdexcept>

namespace {

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    JsonValue Document() {
        JsonValue value = Value();
        Space();
        if (pos_ != text_.size()) Fail("trailing characters");
        return value;
    }

private:
    [[noreturn]] void Fail(const char* what) {
        throw std::runtime_error(std::string("json: ") + what + " at " + std::to_string(pos_));
    }
    void Space() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\n' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }
    bool Take(char c) {
        Space();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void Expect(char c) {
        if (!Take(c)) Fail("unexpected character");
    }
    bool Word(const char* word) {
        const std::string w(word);
        if (text_.compare(pos_, w.size(), w) == 0) {
            pos_ += w.size();
            return true;
        }
        return false;
    }
    std::string StringBody() {
        Expect('"');
        std::string out;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            char c = text_[pos_++];
            if (c != '\\') {
                out += c;
                continue;
            }
            if (pos_ >= text_.size()) Fail("bad escape");
            c = text_[pos_++];
            switch (c) {
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'u': {
                    if (pos_ + 4 > text_.size()) Fail("bad escape");
                    const unsigned code =
                        unsigned(std::strtoul(text_.substr(pos_, 4).c_str(), nullptr, 16));
                    pos_ += 4;
                    if (code > 0xFF) Fail("only single-byte escapes are expected");
                    out += char(code);
                    break;
                }
                default:
                    out += c;
            }
        }
        Expect('"');
        return out;
    }
    JsonValue Value() {
        Space();
        if (pos_ >= text_.size()) Fail("unexpected end");
        JsonValue v;
        const char c = text_[pos_];
        if (c == '{') {
            v.type = JsonValue::Type::Object;
            ++pos_;
            if (Take('}')) return v;
            do {
                Space();
                std::string key = StringBody();
                Expect(':');
                v.object[key] = Value();
            } while (Take(','));
            Expect('}');
        } else if (c == '[') {
            v.type = JsonValue::Type::Array;
            ++pos_;
            if (Take(']')) return v;
            do {
                v.array.push_back(Value());
            } while (Take(','));
            Expect(']');
        } else if (c == '"') {
            v.type = JsonValue::Type::String;
            v.string = StringBody();
        } else if (Word("true")) {
            v.type = JsonValue::Type::Bool;
            v.boolean = true;
        } else if (Word("false")) {
            v.type = JsonValue::Type::Bool;
        } else if (Word("null")) {
            v.type = JsonValue::Type::Null;
        } else {
            char* end = nullptr;
            v.number = std::strtod(text_.c_str() + pos_, &end);
            if (end == text_.c_str() + pos_) Fail("bad value");
            pos_ = size_t(end - text_.c_str());
            v.type = JsonValue::Type::Number;
        }
        return v;
    }

    const std::string& text_;
    size_t pos_ = 0;
};

const JsonValue& Missing() {
    static const JsonValue missing;
    return missing;
}

}  // namespace

JsonValue JsonValue::Parse(const std::string& text) { return Parser(text).Document(); }

const JsonValue& JsonValue::operator[](const std::string& key) const {
    auto found = object.find(key);
    if (found == object.end()) throw std::runtime_error("json: no key " + key);
    return found->second;
}

const JsonValue& JsonValue::operator[](size_t index) const {
    if (index >= array.size()) return Missing();
    return array[index];
}
