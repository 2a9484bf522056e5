// The current user's settings in the registry: string values under sub-keys of
// HKEY_CURRENT_USER, read into a 1024-byte buffer and written with their terminating zero.
#pragma once

#include <string>

#include "platform/SettingStore.h"

class RegistrySettingStore final : public SettingStore {
public:
    // Sub-keys are taken under HKEY_CURRENT_USER\<below> (tests keep apart this way), or
    // under HKEY_CURRENT_USER itself when `below` is empty.
    explicit RegistrySettingStore(std::string below = std::string());

    // False when the key or the value is missing, or the value (of any type) does not fit
    // 1024 bytes.
    bool Read(const std::string& subKey, const std::string& valueName, std::string& text) override;
    // Creates the key when missing; the value is a REG_SZ string.
    bool Write(const std::string& subKey, const std::string& valueName,
               const std::string& text) override;

private:
    std::wstring KeyPath(const std::string& subKey) const;

    std::string below_;
};
