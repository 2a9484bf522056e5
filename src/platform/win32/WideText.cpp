// Conversions through the system's own code page tables.
#include "platform/win32/WideText.h"

#include "platform/Cp1252.h"
#include "platform/win32/WindowsApi.h"

std::wstring WideFromUtf8(std::string_view utf8) {
    if (utf8.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

std::string Utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string utf8(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

std::wstring WideFromWindows1252(std::string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (const char c : text) {
        if (c == '\n' || c == '\t') {
            wide += wchar_t(c);
        } else if (const char32_t point = Cp1252CodePoint(uint8_t(c))) {
            wide += wchar_t(point);  // every character of the code page lies in one UTF-16 unit
        }
    }
    return wide;
}
