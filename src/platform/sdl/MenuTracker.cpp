// Menu interaction.
#include "platform/sdl/MenuTracker.h"

#include "platform/Messages.h"

MenuTracker::MenuTracker(const MenuBar& bar, int menu, bool byKeyboard) : bar_(bar) {
    Open(menu, byKeyboard);
}

void MenuTracker::Open(int menu, bool byKeyboard) {
    menu_ = menu;
    highlighted_ = byKeyboard && bar_.ItemCount(menu) > 0 ? 0 : -1;
}

bool MenuTracker::InDropDown(int x, int y) const {
    const Rect box = bar_.DropDownRect(menu_);
    return x >= box.left && x < box.right && y >= box.top && y < box.bottom;
}

MenuTracker::Outcome MenuTracker::Choose(int item) {
    chosenCommand_ = bar_.ItemCommand(menu_, item);
    return Outcome::Choose;
}

MenuTracker::Outcome MenuTracker::PointerMoved(int x, int y) {
    const int title = bar_.TitleAt(x, y);
    if (title >= 0) {
        if (title != menu_) Open(title, false);
        return Outcome::Continue;
    }
    highlighted_ = bar_.ItemAt(menu_, x, y);
    return Outcome::Continue;
}

MenuTracker::Outcome MenuTracker::PointerPressed(int x, int y) {
    const int title = bar_.TitleAt(x, y);
    if (title == menu_) return Outcome::Close;
    if (title >= 0) {
        Open(title, false);
        return Outcome::Continue;
    }
    if (!InDropDown(x, y)) return Outcome::Close;
    highlighted_ = bar_.ItemAt(menu_, x, y);
    return Outcome::Continue;
}

MenuTracker::Outcome MenuTracker::PointerReleased(int x, int y) {
    const int item = bar_.ItemAt(menu_, x, y);
    return item >= 0 ? Choose(item) : Outcome::Continue;
}

MenuTracker::Outcome MenuTracker::KeyPressed(uint32_t virtualKey) {
    const int items = bar_.ItemCount(menu_);
    const int menus = bar_.MenuCount();
    switch (virtualKey) {
        case VK_ESCAPE:
        case VK_MENU:
        case VK_F10:
            return Outcome::Close;
        case VK_LEFT:
            Open((menu_ + menus - 1) % menus, true);
            return Outcome::Continue;
        case VK_RIGHT:
            Open((menu_ + 1) % menus, true);
            return Outcome::Continue;
        case VK_UP:
            if (items > 0) highlighted_ = highlighted_ <= 0 ? items - 1 : highlighted_ - 1;
            return Outcome::Continue;
        case VK_DOWN:
            if (items > 0) highlighted_ = (highlighted_ + 1) % items;
            return Outcome::Continue;
        case VK_RETURN:
            return highlighted_ >= 0 ? Choose(highlighted_) : Outcome::Continue;
        default: {
            const int item = bar_.ItemForMnemonic(menu_, virtualKey);
            return item >= 0 ? Choose(item) : Outcome::Continue;
        }
    }
}
