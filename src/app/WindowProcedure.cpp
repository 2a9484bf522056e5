// Message routing and the keys that freeze play.
#include "app/WindowProcedure.h"

#include "app/FrameDriver.h"
#include "app/Shell.h"
#include "app/WindowSettings.h"
#include "core/PauseState.h"
#include "gfx/DirtyRectSet.h"
#include "platform/FieldGeometry.h"

namespace {

void HandleKeyUp(uintptr_t key) {
    // While initials are typed, P is a letter; Esc and Pause still pause.
    const bool typing = currentMode != nullptr && currentMode->IsTypingText();
    if (key == VK_ESCAPE || key == VK_PAUSE || (key == 'P' && !typing)) {
        if (frameDriver != nullptr) frameDriver->TogglePause();
    } else if (key == VK_F6) {
        // The play mode runs three more updates and then pauses itself.
        stepFrames = 3;
        paused = 0;
    }
}

}  // namespace

intptr_t GameWindowProcedure(Window& window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (currentMode != nullptr) {
        currentMode->HandleMessage(window, message, wParam, lParam);
        ApplyModeTransition(window);
    }
    switch (message) {
        case WM_COMMAND:
            return HandleShellCommand(window, message, wParam, lParam);
        case WM_DESTROY:
            if (settingStore != nullptr) StoreWindowPlacement(*settingStore, window);
            window.PostQuitMessage(0);
            return 0;
        case WM_ACTIVATE:
            windowInactive = LowWord(wParam) == WA_INACTIVE ? 1 : 0;
            return 0;
        case WM_PAINT:
            // Nothing is drawn here: the next frame presents the whole field.
            dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
            return 0;
        case WM_KEYUP:
            HandleKeyUp(wParam);
            return 0;
        case WM_KEYDOWN:
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return 0;
        default:
            return DefWindowProc(window, message, wParam, lParam);
    }
}
