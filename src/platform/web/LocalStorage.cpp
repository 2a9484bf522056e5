// localStorage through a few lines of JavaScript. Keys are plain text; values cross as
// bytes, their length first and then the bytes into memory the C++ side owns.
#include "platform/web/LocalStorage.h"

#include <emscripten/emscripten.h>

namespace {

// Results of pebblor_storage_set.
constexpr int kStored = 0;
constexpr int kStorageFull = 1;

// clang-format off
EM_JS(int, pebblor_storage_length, (const char* key), {
    try {
        const value = localStorage.getItem(UTF8ToString(key));
        return value === null ? -1 : value.length;
    } catch (error) {
        return -1;
    }
});

EM_JS(void, pebblor_storage_copy, (const char* key, char* out, int length), {
    const value = localStorage.getItem(UTF8ToString(key)) || "";
    for (let i = 0; i < length; ++i) HEAPU8[out + i] = value.charCodeAt(i) & 255;
});

EM_JS(int, pebblor_storage_set, (const char* key, const char* bytes, int length), {
    let value = "";
    for (let i = 0; i < length; ++i) value += String.fromCharCode(HEAPU8[bytes + i]);
    try {
        localStorage.setItem(UTF8ToString(key), value);
        return 0;
    } catch (error) {
        return error.name === "QuotaExceededError" ? 1 : 2;
    }
});

EM_JS(void, pebblor_storage_remove, (const char* key), {
    try {
        localStorage.removeItem(UTF8ToString(key));
    } catch (error) {
    }
});

EM_JS(int, pebblor_storage_keys_length, (const char* prefix), {
    const start = UTF8ToString(prefix);
    Module.pebblorStoredKeys = "";
    try {
        for (let i = 0; i < localStorage.length; ++i) {
            const key = localStorage.key(i);
            if (key.startsWith(start)) Module.pebblorStoredKeys += key + "\n";
        }
    } catch (error) {
    }
    return lengthBytesUTF8(Module.pebblorStoredKeys);
});

EM_JS(void, pebblor_storage_keys_copy, (char* out, int length), {
    stringToUTF8(Module.pebblorStoredKeys, out, length + 1);
    Module.pebblorStoredKeys = "";
});
// clang-format on

}  // namespace

std::optional<std::string> ReadStoredItem(const std::string& key) {
    const int length = pebblor_storage_length(key.c_str());
    if (length < 0) return std::nullopt;
    std::string value(size_t(length), '\0');
    pebblor_storage_copy(key.c_str(), value.data(), length);
    return value;
}

std::error_code StoreItem(const std::string& key, const std::string& value) {
    const int result = pebblor_storage_set(key.c_str(), value.data(), int(value.size()));
    if (result == kStored) return {};
    return std::make_error_code(result == kStorageFull ? std::errc::no_space_on_device
                                                       : std::errc::permission_denied);
}

void RemoveStoredItem(const std::string& key) { pebblor_storage_remove(key.c_str()); }

std::vector<std::string> StoredKeysStartingWith(const std::string& prefix) {
    // One key a line, each ending in a line break.
    std::string joined(size_t(pebblor_storage_keys_length(prefix.c_str())), '\0');
    pebblor_storage_keys_copy(joined.data(), int(joined.size()));
    std::vector<std::string> keys;
    for (size_t start = 0; start < joined.size();) {
        const size_t end = joined.find('\n', start);
        keys.push_back(joined.substr(start, end - start));
        start = end + 1;
    }
    return keys;
}
