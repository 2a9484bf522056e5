// Starting and closing SDL with the window, clock and audio.
#include "platform/sdl/DesktopPlatform.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/sdl/SdlAudio.h"
#include "platform/sdl/SdlWindow.h"
#include "platform/sdl/SystemClock.h"

namespace {

// SDL falls back to these when there is no display; they show nothing, so the game would
// run unseen. They count only when asked for by name.
bool ShowsNothing(const char* driver) {
    if (driver == nullptr) return true;
    const bool invisible = std::strcmp(driver, "offscreen") == 0 ||
                           std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "evdev") == 0;
    const char* requested = std::getenv("SDL_VIDEODRIVER");
    return invisible && (requested == nullptr || std::strcmp(requested, driver) != 0);
}

// Sound libraries that find no sound card print their complaints on standard error; a
// missing sound card is normal here (silence), so they are kept quiet while it opens.
class QuietStandardError {
public:
    QuietStandardError() : saved_(dup(STDERR_FILENO)) {
        const int nowhere = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && nowhere >= 0) dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0) close(nowhere);
    }
    ~QuietStandardError() {
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_;
};

std::unique_ptr<AudioDevice> OpenSound(WaveSource clips) {
    QuietStandardError quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
    return SdlAudio::Open(clips);
}

}  // namespace

std::unique_ptr<DesktopPlatform> DesktopPlatform::Create(const DesktopOptions& options,
                                                         std::string& error) {
    // Closing the window asks the game (WM_CLOSE) instead of quitting SDL behind its back.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The window's pixels are copied straight to the display: a GL-backed framebuffer would
    // only add a software renderer's work on machines without a GPU.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        error = std::string("cannot start the display: ") + SDL_GetError();
        return nullptr;
    }
    if (ShowsNothing(SDL_GetCurrentVideoDriver())) {
        SDL_Quit();
        error = "no display to open the window on";
        return nullptr;
    }
    std::unique_ptr<DesktopPlatform> platform(new DesktopPlatform());
    platform->window_ = SdlWindow::Create(options, error);
    if (platform->window_ == nullptr) return nullptr;  // the destructor closes SDL
    platform->clock_ = std::make_unique<SystemClock>();

    std::unique_ptr<AudioDevice> audio = OpenSound(options.clips);
    platform->hasSoundDevice_ = audio != nullptr;
    platform->audio_ = audio != nullptr ? std::move(audio) : std::make_unique<SilentAudio>();
    return platform;
}

DesktopPlatform::~DesktopPlatform() {
    audio_.reset();
    window_.reset();
    SDL_Quit();
}

Window& DesktopPlatform::MainWindow() { return *window_; }
void DesktopPlatform::SetFullscreen(bool fullscreen) { window_->SetFullscreen(fullscreen); }
bool DesktopPlatform::IsFullscreen() const { return window_->IsFullscreen(); }
bool DesktopPlatform::IsMenuBarShown() const { return window_->IsMenuBarShown(); }
const WindowLayout& DesktopPlatform::Layout() const { return window_->Layout(); }
const MenuBar& DesktopPlatform::Menus() const { return window_->Menus(); }
