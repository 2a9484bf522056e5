// The settings file: reading it whole, finding values and the atomic rewrite.
#include "platform/FileSettingStore.h"

#include <filesystem>
#include <optional>
#include <utility>
#include <vector>

#include "platform/FileReplacement.h"
#include "platform/PlayerFolders.h"
#include "platform/SaveReport.h"
#include "platform/Utf8Path.h"

namespace {

// Anything larger is not a settings file of ours.
constexpr size_t kMaxFileSize = 1 << 20;

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

// The folder is made when missing; the file is always either the old one or the whole new one.
std::error_code Store(const std::string& path, const std::string& contents, FileSystem& files) {
    const std::filesystem::path target = PathFromUtf8(path);
    if (target.has_parent_path()) {
        std::error_code error;
        std::filesystem::create_directories(target.parent_path(), error);
        if (error) return error;
    }
    return ReplaceFile(path, contents, files);
}

}  // namespace

FileSettingStore::FileSettingStore(std::string path, FileSystem& files)
    : path_(std::move(path)), files_(files) {
    if (!path_.empty()) RemoveStaleTemporaries(path_, files_);
}

Settings FileSettingStore::Load() const {
    const std::optional<std::vector<uint8_t>> bytes = files_.ReadRegularFile(path_, kMaxFileSize);
    if (!bytes) return {};
    return ParseSettings(
               std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()))
        .value_or(Settings{});
}

bool FileSettingStore::Read(const std::string& subKey, const std::string& valueName,
                            std::string& text) {
    if (path_.empty()) return false;
    for (const SettingSection& section : Load()) {
        if (!SameName(section.subKey, subKey)) continue;
        for (const SettingValue& value : section.values) {
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
    Settings settings = Load();
    SettingSection* section = nullptr;
    for (SettingSection& candidate : settings) {
        if (SameName(candidate.subKey, subKey)) {
            section = &candidate;
            break;
        }
    }
    if (section == nullptr) section = &settings.emplace_back(SettingSection{subKey, {}});
    SettingValue* value = nullptr;
    for (SettingValue& candidate : section->values) {
        if (SameName(candidate.name, valueName)) {
            value = &candidate;
            break;
        }
    }
    if (value == nullptr) value = &section->values.emplace_back(SettingValue{valueName, {}});
    value->text = text;
    const std::error_code result = Store(path_, SerialiseSettings(settings), files_);
    ReportSave("the settings", path_, result);
    return !result;
}

std::string DefaultSettingsPath() {
    const std::string folder = PlayerConfigFolder();
    return folder.empty() ? std::string() : folder + "/settings.ini";
}
