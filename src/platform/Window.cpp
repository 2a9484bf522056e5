// Message dispatch and the default window procedure.
#include "platform/Window.h"

intptr_t Window::Dispatch(const Message& message) {
    return Send(message.message, message.wParam, message.lParam);
}

intptr_t Window::Send(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (procedure_ == nullptr) return DefWindowProc(*this, message, wParam, lParam);
    return procedure_(*this, message, wParam, lParam);
}

intptr_t DefWindowProc(Window& window, uint32_t message, uintptr_t, intptr_t) {
    if (message == WM_CLOSE) window.Destroy();
    return 0;
}
