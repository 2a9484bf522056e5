// Settings as localStorage items.
#include "platform/web/WebSettingStore.h"

#include "platform/web/LocalStorage.h"

namespace {

std::string ItemKey(const std::string& subKey, const std::string& valueName) {
    return "pebblor.setting:" + subKey + "\\" + valueName;
}

}  // namespace

bool WebSettingStore::Read(const std::string& subKey, const std::string& valueName,
                           std::string& text) {
    std::optional<std::string> stored = ReadStoredItem(ItemKey(subKey, valueName));
    if (!stored) return false;
    text = std::move(*stored);
    return true;
}

bool WebSettingStore::Write(const std::string& subKey, const std::string& valueName,
                            const std::string& text) {
    return !StoreItem(ItemKey(subKey, valueName), text);
}
