// The SDL main window's size, place and full screen, and how it draws: the canvas into the
// window's own pixels (or a staging copy), the menu bar over it, and the updates it shows.
#include <SDL.h>

#include <algorithm>

#include "platform/display/WindowSizing.h"
#include "platform/sdl/SdlWindow.h"

namespace {

// When the display cannot tell its usable size.
constexpr Rect kFallbackWorkArea{0, 0, 1024, 768};
// Full screen: the pointer within this many pixels of the top shows the menu bar.
constexpr int kRevealRows = 2;

}  // namespace

Rect SdlWindow::UsableBounds(int display) {
    SDL_Rect usable;
    if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 ||
        usable.h <= 0) {
        return kFallbackWorkArea;
    }
    return Rect{usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
}

bool SdlWindow::IsMenuBarShown() const {
    return !fullscreen_ || menuRevealed_ || openMenu_ != nullptr;
}

void SdlWindow::RevealMenuBar(int pointerY) {
    const bool reveal = menuRevealed_ ? pointerY < Layout().menuHeight : pointerY < kRevealRows;
    if (reveal == menuRevealed_) return;
    menuRevealed_ = reveal;
    const PixelTarget target = Target();
    const Rect bar = Layout().MenuRect();
    canvas_.SetCoveredTop(reveal ? bar.bottom : 0);
    if (reveal) {
        DrawMenus(target);
    } else {
        canvas_.Repaint(target, bar);
    }
    Show(std::span<const Rect>(&bar, 1));
}

void SdlWindow::Present(const Surface& backBuffer, std::span<const Rect> rects,
                        const TileChanges* changes) {
    canvas_.Present(backBuffer, rects, changes, Target(), changed_);
    Show(changed_);
}

Rect SdlWindow::WorkArea() const {
    return UsableBounds(window_ != nullptr ? SDL_GetWindowDisplayIndex(window_) : 0);
}

bool SdlWindow::WindowSizeFits(int presetScale) const {
    return FitsWorkArea(ClientSizeForScale(presetScale), WorkArea());
}

void SdlWindow::SetWindowSize(int presetScale) {
    if (destroyed_) return;
    SetFullscreen(false);
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED) != 0) SDL_RestoreWindow(window_);
    const WindowPlacement wanted = PresetPlacement(placement_, presetScale, WorkArea());
    int top = 0;
    int left = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, nullptr, nullptr);
    SDL_SetWindowSize(window_, wanted.width, wanted.height);
    SDL_SetWindowPosition(window_, wanted.x + left, wanted.y + top);
    RefreshSurface();
    RepaintAll();
}

std::optional<WindowPlacement> SdlWindow::Placement() const { return placement_; }

void SdlWindow::RememberPlacement() {
    if (window_ == nullptr || fullscreen_) return;
    const Uint32 flags = SDL_GetWindowFlags(window_);
    placement_.maximised = (flags & SDL_WINDOW_MAXIMIZED) != 0;
    if (placement_.maximised || (flags & SDL_WINDOW_MINIMIZED) != 0) return;
    int top = 0;
    int left = 0;
    SDL_GetWindowBordersSize(window_, &top, &left, nullptr, nullptr);
    SDL_GetWindowPosition(window_, &placement_.x, &placement_.y);
    placement_.x -= left;
    placement_.y -= top;
    SDL_GetWindowSize(window_, &placement_.width, &placement_.height);
}

void SdlWindow::SetFullscreen(bool fullscreen) {
    if (destroyed_ || fullscreen == fullscreen_) return;
    if (SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        return;
    }
    fullscreen_ = fullscreen;
    menuRevealed_ = false;
    RefreshSurface();
    RepaintAll();
}

void SdlWindow::RefreshSurface() {
    if (window_ == nullptr) return;
    surface_ = SDL_GetWindowSurface(window_);
    PixelSize units;
    SDL_GetWindowSize(window_, &units.width, &units.height);
    PixelSize pixels = units;
    if (surface_ != nullptr) pixels = PixelSize{surface_->w, surface_->h};
    pixelsPerUnit_ = PixelsPerUnit(pixels, units);
    const WindowLayout layout = fullscreen_ ? FullscreenLayout(pixels) : WindowedLayout(pixels);
    if (!(layout == canvas_.Layout())) canvas_.SetLayout(layout);
    menuBar_.SetLayout(layout.menuScale, pixels.width);
    drawsDirectly_ = surface_ != nullptr && surface_->format->format == SDL_PIXELFORMAT_RGB888 &&
                     !SDL_MUSTLOCK(surface_) && surface_->pitch % int(sizeof(Pixel)) == 0;
    if (drawsDirectly_) {
        staging_ = Surface();
    } else if (staging_.Width() != pixels.width || staging_.Height() != pixels.height) {
        staging_ = Surface(pixels.width, pixels.height);
    }
}

PixelTarget SdlWindow::Target() {
    if (surface_ == nullptr) return PixelTarget{};
    if (!drawsDirectly_) return TargetOf(staging_);
    return PixelTarget{static_cast<Pixel*>(surface_->pixels), surface_->w, surface_->h,
                       surface_->pitch / int(sizeof(Pixel))};
}

void SdlWindow::Show(std::span<const Rect> areas) {
    if (surface_ == nullptr) return;
    updateRects_.clear();
    const bool locked = SDL_MUSTLOCK(surface_) && SDL_LockSurface(surface_) == 0;
    for (const Rect& area : areas) {
        const Rect shown = Intersect(area, Rect{0, 0, surface_->w, surface_->h});
        if (shown.IsEmpty()) continue;
        if (!drawsDirectly_ && (!SDL_MUSTLOCK(surface_) || locked)) {
            auto* to = static_cast<uint8_t*>(surface_->pixels) +
                       ptrdiff_t(shown.top) * surface_->pitch +
                       ptrdiff_t(shown.left) * surface_->format->BytesPerPixel;
            SDL_ConvertPixels(shown.Width(), shown.Height(), SDL_PIXELFORMAT_RGB888,
                              staging_.Row(shown.top) + shown.left,
                              staging_.Width() * int(sizeof(Pixel)), surface_->format->format, to,
                              surface_->pitch);
        }
        updateRects_.push_back(SDL_Rect{shown.left, shown.top, shown.Width(), shown.Height()});
    }
    if (locked) SDL_UnlockSurface(surface_);
    if (!updateRects_.empty()) {
        SDL_UpdateWindowSurfaceRects(window_, updateRects_.data(), int(updateRects_.size()));
    }
}

void SdlWindow::DrawMenus(const PixelTarget& target) {
    if (target.pixels == nullptr) return;
    const Rect bar = Layout().MenuRect();
    if (menuStrip_.Width() != bar.Width() || menuStrip_.Height() != bar.Height()) {
        menuStrip_ = Surface(bar.Width(), bar.Height());
    }
    const int openMenu = openMenu_ != nullptr ? openMenu_->OpenMenu() : -1;
    menuBar_.DrawBar(menuStrip_, openMenu);
    CopySurface(target, menuStrip_, 0, 0);
    if (openMenu_ != nullptr) {
        const Rect box = menuBar_.DropDownRect(openMenu);
        Surface dropDown(box.Width(), box.Height());
        menuBar_.DrawDropDown(dropDown, openMenu, openMenu_->HighlightedItem());
        CopySurface(target, dropDown, box.left, box.top);
    }
}

void SdlWindow::RepaintAll() {
    const PixelTarget target = Target();
    if (target.pixels == nullptr) return;
    canvas_.SetCoveredTop(IsMenuBarShown() ? Layout().menuHeight : 0);
    canvas_.Repaint(target, target.Bounds());
    if (IsMenuBarShown()) DrawMenus(target);
    const Rect all = target.Bounds();
    Show(std::span<const Rect>(&all, 1));
}
