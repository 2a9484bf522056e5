// The desktop backend as the game's entry point sees it: the window, the clock and the
// sound channel on SDL, started together and closed together. Free of SDL's headers.
#pragma once

#include <memory>
#include <string>

#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/Window.h"
#include "platform/display/FieldLayout.h"
#include "platform/sdl/DesktopOptions.h"
#include "platform/sdl/MenuBar.h"

class SdlWindow;

class DesktopPlatform {
public:
    // Null, with the reason in `error`, when there is no display or no window opens. Sound
    // is opened after the window; without a sound device the game plays silence.
    static std::unique_ptr<DesktopPlatform> Create(const DesktopOptions& options,
                                                   std::string& error);
    ~DesktopPlatform();
    DesktopPlatform(const DesktopPlatform&) = delete;
    DesktopPlatform& operator=(const DesktopPlatform&) = delete;

    Window& MainWindow();
    Clock& SystemTime() { return *clock_; }
    AudioDevice& Audio() { return *audio_; }
    bool HasSoundDevice() const { return hasSoundDevice_; }

    void SetFullscreen(bool fullscreen);
    bool IsFullscreen() const;
    bool IsMenuBarShown() const;
    // Where things are in the window, in window pixels.
    const WindowLayout& Layout() const;
    const MenuBar& Menus() const;

private:
    DesktopPlatform() = default;

    std::unique_ptr<SdlWindow> window_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<AudioDevice> audio_;
    bool hasSoundDevice_ = false;
};
