// The settings file's text: a "[sub-key]" line opens each sub-key's section, "name=value"
// lines follow. Values may hold anything: line breaks, NULs and backslashes are escaped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct SettingValue {
    std::string name;
    std::string text;

    bool operator==(const SettingValue&) const = default;
};

struct SettingSection {
    std::string subKey;
    std::vector<SettingValue> values;

    bool operator==(const SettingSection&) const = default;
};

using Settings = std::vector<SettingSection>;

// Nothing when the text is not a settings file; blank lines and CR LF line ends are read.
std::optional<Settings> ParseSettings(std::string_view text);
// The text that parses back to the same settings.
std::string SerialiseSettings(const Settings& settings);
