// Starting and closing the Win32 backend.
#include "platform/win32/Win32Platform.h"

#include <cstdio>

#include "platform/win32/RegistrySettingStore.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Audio.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Window.h"

std::unique_ptr<Win32Platform> Win32Platform::Create(const Win32PlatformOptions& options,
                                                     std::string& error) {
    std::unique_ptr<Win32Platform> platform(new Win32Platform());
    // The fine timer first: the window's first waits already need it.
    platform->clock_ = std::make_unique<Win32Clock>();
    Win32WindowOptions windowOptions;
    windowOptions.title = options.title;
    windowOptions.placement = options.placement;
    windowOptions.scale = options.scale;
    platform->window_ = Win32Window::Create(windowOptions, error);
    if (platform->window_ == nullptr) return nullptr;
    platform->audio_ = std::make_unique<Win32Audio>();
    return platform;
}

Win32Platform::~Win32Platform() {
    // Nothing may go on playing from a program that has ended.
    if (audio_ != nullptr) audio_->StopClip();
}

Window& Win32Platform::MainWindow() { return *window_; }

std::unique_ptr<SettingStore> OpenPlayerSettings() {
    return std::make_unique<RegistrySettingStore>();
}

namespace {

// Whether the handle leads somewhere: a file, a pipe or a console.
bool IsConnected(HANDLE handle) {
    return handle != nullptr && handle != INVALID_HANDLE_VALUE &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

}  // namespace

void ShowProgramText(const std::string& text, bool isError) {
    std::FILE* out = isError ? stderr : stdout;
    const bool connected =
        IsConnected(GetStdHandle(isError ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE));
    // Started from a console, a program without one writes to that console.
    if (connected ||
        (AttachConsole(ATTACH_PARENT_PROCESS) && std::freopen("CONOUT$", "w", out) != nullptr)) {
        std::fputs(text.c_str(), out);
        std::fflush(out);
        return;
    }
    MessageBoxW(nullptr, WideFromUtf8(text).c_str(), L"Pebblor",
                MB_OK | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}
