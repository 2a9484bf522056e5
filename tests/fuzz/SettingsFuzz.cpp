// Fuzz target: settings files. What parses is written out again and parses back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string_view>

#include "platform/SettingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::optional<Settings> settings =
        ParseSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!settings) return 0;
    const std::optional<Settings> again = ParseSettings(SerialiseSettings(*settings));
    if (!again || *again != *settings) std::abort();
    return 0;
}
