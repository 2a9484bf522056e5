// The current user's settings in the page's localStorage, one item a value, named like a
// registry value: "pebblor.setting:" + sub-key + "\" + value name.
#pragma once

#include "platform/SettingStore.h"

class WebSettingStore final : public SettingStore {
public:
    bool Read(const std::string& subKey, const std::string& valueName, std::string& text) override;
    bool Write(const std::string& subKey, const std::string& valueName,
               const std::string& text) override;
};
