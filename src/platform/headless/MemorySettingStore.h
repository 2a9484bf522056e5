// Settings kept in memory only, for headless runs.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/SettingStore.h"

class MemorySettingStore final : public SettingStore {
public:
    bool Read(const std::string& subKey, const std::string& valueName, std::string& text) override {
        auto found = values_.find({subKey, valueName});
        if (found == values_.end()) return false;
        text = found->second;
        return true;
    }
    bool Write(const std::string& subKey, const std::string& valueName,
               const std::string& text) override {
        values_[{subKey, valueName}] = text;
        return true;
    }

private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};
