// The settings file's text: parsing and writing, with the escapes of values.
#include "platform/SettingsText.h"

namespace {

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                out += c;
                break;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return std::nullopt;
        switch (text[i]) {
            case '\\':
                out += '\\';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case '0':
                out += '\0';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

}  // namespace

std::optional<Settings> ParseSettings(std::string_view contents) {
    Settings settings;
    size_t start = 0;
    while (start < contents.size()) {
        size_t end = contents.find('\n', start);
        if (end == std::string_view::npos) end = contents.size();
        std::string_view line(contents.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.size() < 3 || line.back() != ']') return std::nullopt;
            settings.push_back(SettingSection{std::string(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || settings.empty()) return std::nullopt;
        std::optional<std::string> text = Unescape(line.substr(equals + 1));
        if (!text) return std::nullopt;
        settings.back().values.push_back(SettingValue{std::string(line.substr(0, equals)), *text});
    }
    return settings;
}

std::string SerialiseSettings(const Settings& settings) {
    std::string out;
    for (const SettingSection& section : settings) {
        if (!out.empty()) out += '\n';
        out += '[' + section.subKey + "]\n";
        for (const SettingValue& value : section.values) {
            out += value.name + '=' + Escape(value.text) + '\n';
        }
    }
    return out;
}
