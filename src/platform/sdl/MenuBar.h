// The menu bar the desktop window draws above the field: titles with underlined mnemonic
// letters, each opening a drop-down of items whose labels line up right of a check column.
// Laid out and drawn in window pixels at the window's scale, so the text stays sharp at
// every scale.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Font.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/Window.h"
#include "platform/sdl/MenuLabel.h"

class MenuBar {
public:
    explicit MenuBar(const std::vector<Menu>& menus);

    // Lays the bar out for this many window pixels per field pixel in a window this wide.
    void SetLayout(int scale, int windowWidth);
    int Height() const;

    int MenuCount() const { return int(menus_.size()); }
    int ItemCount(int menu) const;
    int ItemCommand(int menu, int item) const;
    std::string ItemText(int menu, int item) const;  // as shown
    // The virtual keys of the titles' mnemonics, in menu order (0: none).
    std::vector<uint32_t> TitleMnemonics() const;
    // The item whose mnemonic is this virtual key; -1 when none.
    int ItemForMnemonic(int menu, uint32_t key) const;
    // Changes the text of every item with this command; false when none has it.
    bool SetItemText(int command, const std::string& text);
    // Removes every item with this command.
    void RemoveItem(int command);
    // Replaces the items of one menu; nothing for a menu that is not there.
    void SetItems(int menu, const std::vector<MenuItem>& items);

    // Geometry in window pixels (the bar's top-left corner is the window's).
    Rect TitleRect(int menu) const;
    Rect DropDownRect(int menu) const;
    Rect ItemRect(int menu, int item) const;
    int TitleAt(int x, int y) const;           // -1 when none
    int ItemAt(int menu, int x, int y) const;  // -1 when none

    // Draws the bar into a strip as wide as the window and Height() tall.
    void DrawBar(Surface& strip, int openMenu) const;
    // Draws a drop-down into a surface the size of its DropDownRect.
    void DrawDropDown(Surface& box, int menu, int highlightedItem) const;

private:
    struct Entry {
        MenuLabel label;
        int command = 0;
    };
    struct Title {
        MenuLabel label;
        std::vector<Entry> items;
        Rect rect;          // of the title in the bar
        int dropWidth = 0;  // of its drop-down
    };

    const Font* CurrentFont() const;
    int TextWidth(const std::string& text) const;
    void Relayout();
    void DrawLabel(Surface& target, const MenuLabel& label, int left, const Rect& row,
                   Pixel colour) const;

    std::vector<Title> menus_;
    int scale_ = 1;
    int windowWidth_ = 0;
    std::map<int, std::unique_ptr<Font>> fontsByScale_;  // null when no font file was found
};
