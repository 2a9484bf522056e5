// The current user's settings kept in a small text file: a "[sub-key]" line opens each
// sub-key's section, "name=value" lines follow. Every write replaces the file atomically.
#pragma once

#include <string>

#include "platform/SettingStore.h"

class FileSettingStore final : public SettingStore {
public:
    explicit FileSettingStore(std::string path);

    // A missing, unreadable or malformed file reads as having no values.
    bool Read(const std::string& subKey, const std::string& valueName, std::string& text) override;
    // False, the file untouched, when the folder or the file cannot be written, or when the
    // sub-key or the name holds a line break, another control character, or (in the name)
    // '=' or a leading '['. Values may hold anything: breaks and backslashes are escaped.
    bool Write(const std::string& subKey, const std::string& valueName,
               const std::string& text) override;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// "settings.ini" in the player's configuration folder; empty when that is unknown.
std::string DefaultSettingsPath();
