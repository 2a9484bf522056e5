// The current user's settings kept in a small text file (see SettingsText.h). Every write
// replaces the file atomically.
#pragma once

#include <string>

#include "platform/FileSystem.h"
#include "platform/SettingStore.h"
#include "platform/SettingsText.h"

class FileSettingStore final : public SettingStore {
public:
    // Removes the temporary files that a killed save left beside the file.
    explicit FileSettingStore(std::string path, FileSystem& files = RealFileSystem());

    // A missing, unreadable or malformed file, a file over 1 MiB and anything but a regular
    // file read as having no values.
    bool Read(const std::string& subKey, const std::string& valueName, std::string& text) override;
    // False, the file untouched, when the folder or the file cannot be written, or when the
    // sub-key or the name holds a line break, another control character, or (in the name)
    // '=' or a leading '['. Values may hold anything: breaks and backslashes are escaped.
    // The outcome of the save goes to the save reporter.
    bool Write(const std::string& subKey, const std::string& valueName,
               const std::string& text) override;

    const std::string& Path() const { return path_; }

private:
    Settings Load() const;

    std::string path_;
    FileSystem& files_;
};

// "settings.ini" in the player's configuration folder; empty when that is unknown.
std::string DefaultSettingsPath();
