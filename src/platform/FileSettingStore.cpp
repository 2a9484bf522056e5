// The settings file: parsing, escaping and the atomic rewrite.
#include "platform/FileSettingStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "platform/FileReplacement.h"
#include "platform/PlayerFolders.h"

namespace {

// Anything larger is not a settings file of ours.
constexpr off_t kMaxFileSize = 1 << 20;

struct Value {
    std::string name;
    std::string text;
};

struct Section {
    std::string subKey;
    std::vector<Value> values;
};

using Settings = std::vector<Section>;

// Names compare without regard to ASCII case, as registry names do.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

bool HasControlCharacter(const std::string& text) {
    for (char c : text) {
        if (uint8_t(c) < 0x20 || c == 0x7F) return true;
    }
    return false;
}

bool IsValidSubKey(const std::string& subKey) {
    return !subKey.empty() && !HasControlCharacter(subKey) && subKey.back() != ']';
}

bool IsValidName(const std::string& name) {
    return !HasControlCharacter(name) && name.find('=') == std::string::npos &&
           (name.empty() || name.front() != '[');
}

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

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> contents;
    struct stat info {};
    if (fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size <= kMaxFileSize) {
        std::string bytes;
        char buffer[4096];
        ssize_t got = 0;
        while ((got = read(fd, buffer, sizeof buffer)) > 0 && off_t(bytes.size()) <= kMaxFileSize) {
            bytes.append(buffer, size_t(got));
        }
        if (got == 0 && off_t(bytes.size()) <= kMaxFileSize) contents = std::move(bytes);
    }
    close(fd);
    return contents;
}

// Nothing when the text is not a settings file.
std::optional<Settings> Parse(const std::string& contents) {
    Settings settings;
    size_t start = 0;
    while (start < contents.size()) {
        size_t end = contents.find('\n', start);
        if (end == std::string::npos) end = contents.size();
        std::string_view line(contents.data() + start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.size() < 3 || line.back() != ']') return std::nullopt;
            settings.push_back(Section{std::string(line.substr(1, line.size() - 2)), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || settings.empty()) return std::nullopt;
        std::optional<std::string> text = Unescape(line.substr(equals + 1));
        if (!text) return std::nullopt;
        settings.back().values.push_back(Value{std::string(line.substr(0, equals)), *text});
    }
    return settings;
}

std::string Serialise(const Settings& settings) {
    std::string out;
    for (const Section& section : settings) {
        if (!out.empty()) out += '\n';
        out += '[' + section.subKey + "]\n";
        for (const Value& value : section.values) {
            out += value.name + '=' + Escape(value.text) + '\n';
        }
    }
    return out;
}

Settings Load(const std::string& path) {
    const std::optional<std::string> contents = ReadWholeFile(path);
    if (!contents) return {};
    return Parse(*contents).value_or(Settings{});
}

// The file is always either the old one or the whole new one.
bool Store(const std::string& path, const std::string& contents) {
    const std::filesystem::path target(path);
    if (target.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) return false;
    }
    return ReplaceFile(path, contents);
}

}  // namespace

FileSettingStore::FileSettingStore(std::string path) : path_(std::move(path)) {}

bool FileSettingStore::Read(const std::string& subKey, const std::string& valueName,
                            std::string& text) {
    if (path_.empty()) return false;
    for (const Section& section : Load(path_)) {
        if (!SameName(section.subKey, subKey)) continue;
        for (const Value& value : section.values) {
            if (SameName(value.name, valueName)) {
                text = value.text;
                return true;
            }
        }
    }
    return false;
}

bool FileSettingStore::Write(const std::string& subKey, const std::string& valueName,
                             const std::string& text) {
    if (path_.empty() || !IsValidSubKey(subKey) || !IsValidName(valueName)) return false;
    Settings settings = Load(path_);
    Section* section = nullptr;
    for (Section& candidate : settings) {
        if (SameName(candidate.subKey, subKey)) {
            section = &candidate;
            break;
        }
    }
    if (section == nullptr) section = &settings.emplace_back(Section{subKey, {}});
    Value* value = nullptr;
    for (Value& candidate : section->values) {
        if (SameName(candidate.name, valueName)) {
            value = &candidate;
            break;
        }
    }
    if (value == nullptr) value = &section->values.emplace_back(Value{valueName, {}});
    value->text = text;
    return Store(path_, Serialise(settings));
}

std::string DefaultSettingsPath() {
    const std::string folder = PlayerConfigFolder();
    return folder.empty() ? std::string() : folder + "/settings.ini";
}
