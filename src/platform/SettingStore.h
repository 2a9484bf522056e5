// The current user's settings: string values under a sub-key, as the registry keeps them.
#pragma once

#include <string>

class SettingStore {
public:
    virtual ~SettingStore() = default;
    // False when the sub-key or the value is missing or cannot be read.
    virtual bool Read(const std::string& subKey, const std::string& valueName,
                      std::string& text) = 0;
    // False when the value could not be stored; the store is then as it was.
    virtual bool Write(const std::string& subKey, const std::string& valueName,
                       const std::string& text) = 0;
};
