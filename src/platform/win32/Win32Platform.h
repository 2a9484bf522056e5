// The Win32 backend as the game's entry point sees it: the window, the clock, the sound
// channel and the registry's settings, started together and closed together. Free of the
// Windows headers.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/SettingStore.h"
#include "platform/Window.h"

struct Win32PlatformOptions {
    std::string title;  // Windows-1252
    // The first window's size and place (see FirstPlacement).
    std::optional<WindowPlacement> placement;
    int scale = 0;
};

class Win32Window;

class Win32Platform {
public:
    // Null, with the reason in `error`, when the window cannot be made.
    static std::unique_ptr<Win32Platform> Create(const Win32PlatformOptions& options,
                                                 std::string& error);
    ~Win32Platform();
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    Window& MainWindow();
    Clock& SystemTime() { return *clock_; }
    AudioDevice& Audio() { return *audio_; }

private:
    Win32Platform() = default;

    std::unique_ptr<Clock> clock_;
    std::unique_ptr<AudioDevice> audio_;
    std::unique_ptr<Win32Window> window_;
};

// The player's settings: the registry, under HKEY_CURRENT_USER.
std::unique_ptr<SettingStore> OpenPlayerSettings();

// A text for the player from a program without a console of its own (--help, --version, a
// refused option): to the standard stream when it leads somewhere (a file, a pipe, the
// console the program was started from), else in a box.
void ShowProgramText(const std::string& text, bool isError);
