// What the pointer and the keys do while a drop-down menu is open: moving between titles
// and items, choosing an item, or closing the menu.
#pragma once

#include <cstdint>

#include "platform/sdl/MenuBar.h"

class MenuTracker {
public:
    enum class Outcome { Continue, Close, Choose };

    // Opens a menu: by the pointer with nothing highlighted, by the keyboard on the first item.
    MenuTracker(const MenuBar& bar, int menu, bool byKeyboard);

    int OpenMenu() const { return menu_; }
    int HighlightedItem() const { return highlighted_; }
    // The command of the chosen item, once an outcome was Choose.
    int ChosenCommand() const { return chosenCommand_; }

    // Window pixel positions.
    Outcome PointerMoved(int x, int y);
    Outcome PointerPressed(int x, int y);
    Outcome PointerReleased(int x, int y);
    Outcome KeyPressed(uint32_t virtualKey);

private:
    Outcome Choose(int item);
    void Open(int menu, bool byKeyboard);
    bool InDropDown(int x, int y) const;

    const MenuBar& bar_;
    int menu_ = -1;
    int highlighted_ = -1;
    int chosenCommand_ = 0;
};
