// The About dialog's procedure: the texts set, the text's control grown to fit the text
// (or the long-text dialog chosen), OK, Esc and the close box closing it.
#include "platform/win32/AboutDialog.h"

#include <algorithm>

#include "platform/win32/ResourceIds.h"
#include "platform/win32/WideText.h"

namespace {

// EndDialog's result when the text does not fit the About box.
constexpr INT_PTR kTooLong = 100;

struct DialogTexts {
    std::wstring caption;
    std::wstring heading;
    std::wstring text;
};

// Line breaks as edit controls need them.
std::wstring WithCarriageReturns(const std::wstring& text) {
    std::wstring result;
    for (const wchar_t c : text) {
        if (c == L'\n') result += L'\r';
        result += c;
    }
    return result;
}

RECT WindowRectIn(HWND dialog, HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

int WorkAreaHeight(HWND dialog) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &info);
    return int(info.rcWork.bottom - info.rcWork.top);
}

// How tall the text is when broken into lines as wide as its control.
int TextHeight(HWND control, const std::wstring& text) {
    RECT bounds{};
    GetClientRect(control, &bounds);
    const HDC context = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    DrawTextW(context, text.c_str(), int(text.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(context, previous);
    ReleaseDC(control, context);
    return int(bounds.bottom - bounds.top);
}

// Moves the control's bottom and the dialog's by `by` pixels.
void GrowDown(HWND dialog, HWND control, int by) {
    const RECT rect = WindowRectIn(dialog, control);
    MoveWindow(control, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top + by,
               FALSE);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    MoveWindow(dialog, frame.left, frame.top, frame.right - frame.left,
               frame.bottom - frame.top + by, FALSE);
}

// Puts the dialog's frame inside its screen's work area.
void KeepOnScreen(HWND dialog) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromWindow(dialog, MONITOR_DEFAULTTONEAREST), &info);
    RECT frame{};
    GetWindowRect(dialog, &frame);
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    const LONG left = std::clamp(frame.left, info.rcWork.left,
                                 std::max(info.rcWork.left, info.rcWork.right - width));
    const LONG top = std::clamp(frame.top, info.rcWork.top,
                                std::max(info.rcWork.top, info.rcWork.bottom - height));
    SetWindowPos(dialog, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetTexts(HWND dialog, const DialogTexts& texts) {
    SetWindowTextW(dialog, texts.caption.c_str());
    SetDlgItemTextW(dialog, PEBBLOR_CONTROL_HEADING, WithCarriageReturns(texts.heading).c_str());
    SetDlgItemTextW(dialog, PEBBLOR_CONTROL_TEXT, WithCarriageReturns(texts.text).c_str());
}

// The About box grows down to hold the whole text; when even the screen is too short, it
// closes at once, unseen, and the long-text dialog opens instead.
bool FitAboutBox(HWND dialog, const DialogTexts& texts) {
    const HWND control = GetDlgItem(dialog, PEBBLOR_CONTROL_TEXT);
    RECT bounds{};
    GetClientRect(control, &bounds);
    const int missing = TextHeight(control, texts.text) - int(bounds.bottom);
    if (missing <= 0) return true;
    RECT frame{};
    GetWindowRect(dialog, &frame);
    if (frame.bottom - frame.top + missing > WorkAreaHeight(dialog)) return false;
    GrowDown(dialog, control, missing);
    KeepOnScreen(dialog);
    return true;
}

// The long-text dialog shrinks to the screen's height; its text scrolls.
void FitLongTextDialog(HWND dialog) {
    RECT frame{};
    GetWindowRect(dialog, &frame);
    const int excess = int(frame.bottom - frame.top) - WorkAreaHeight(dialog);
    if (excess > 0) GrowDown(dialog, GetDlgItem(dialog, PEBBLOR_CONTROL_TEXT), -excess);
    KeepOnScreen(dialog);
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto* texts = reinterpret_cast<const DialogTexts*>(lParam);
            SetTexts(dialog, *texts);
            const bool scrolls =
                (GetWindowLongPtrW(GetDlgItem(dialog, PEBBLOR_CONTROL_TEXT), GWL_STYLE) &
                 WS_VSCROLL) != 0;
            if (scrolls) {
                FitLongTextDialog(dialog);
            } else if (!FitAboutBox(dialog, *texts)) {
                EndDialog(dialog, kTooLong);
                return TRUE;
            }
            // OK has the focus; the text is not selected.
            SetFocus(GetDlgItem(dialog, IDOK));
            return FALSE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowAboutDialog(HWND owner, const std::string& caption, const std::string& heading,
                     const std::string& text) {
    const DialogTexts texts{WideFromWindows1252(caption), WideFromWindows1252(heading),
                            WideFromWindows1252(text)};
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const LPARAM parameter = reinterpret_cast<LPARAM>(&texts);
    const INT_PTR result = DialogBoxParamW(instance, MAKEINTRESOURCEW(PEBBLOR_DIALOG_ABOUT), owner,
                                           &DialogProcedure, parameter);
    if (result == kTooLong) {
        DialogBoxParamW(instance, MAKEINTRESOURCEW(PEBBLOR_DIALOG_LONG_TEXT), owner,
                        &DialogProcedure, parameter);
    }
}
