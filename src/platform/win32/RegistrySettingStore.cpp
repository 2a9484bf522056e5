// Registry reads and writes through the wide-character calls: names and values are UTF-8
// inside the program, UTF-16 in the registry.
#include "platform/win32/RegistrySettingStore.h"

#include <utility>

#include "platform/win32/WideText.h"
#include "platform/win32/WindowsApi.h"

namespace {

// The stored text and its terminating zero must fit this buffer, or the read fails.
constexpr DWORD kReadBufferBytes = 1024;

// Closes a key at the end of the scope.
class OpenKey {
public:
    OpenKey() = default;
    ~OpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

RegistrySettingStore::RegistrySettingStore(std::string below) : below_(std::move(below)) {}

std::wstring RegistrySettingStore::KeyPath(const std::string& subKey) const {
    return WideFromUtf8(below_.empty() ? subKey : below_ + "\\" + subKey);
}

bool RegistrySettingStore::Read(const std::string& subKey, const std::string& valueName,
                                std::string& text) {
    OpenKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, KeyPath(subKey).c_str(), 0, KEY_QUERY_VALUE, key.Out()) !=
        ERROR_SUCCESS) {
        return false;
    }
    // Whatever the value's type, its bytes are read as text.
    wchar_t buffer[kReadBufferBytes / sizeof(wchar_t)] = {};
    DWORD size = sizeof buffer;
    if (RegQueryValueExW(key.Get(), WideFromUtf8(valueName).c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS) {
        return false;
    }
    std::wstring_view value(buffer, size / sizeof(wchar_t));
    value = value.substr(0, value.find(L'\0'));
    text = Utf8FromWide(value);
    return true;
}

bool RegistrySettingStore::Write(const std::string& subKey, const std::string& valueName,
                                 const std::string& text) {
    OpenKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, KeyPath(subKey).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, key.Out(),
                        nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring value = WideFromUtf8(text);
    const auto bytes = DWORD((value.size() + 1) * sizeof(wchar_t));  // with the terminating zero
    return RegSetValueExW(key.Get(), WideFromUtf8(valueName).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}
