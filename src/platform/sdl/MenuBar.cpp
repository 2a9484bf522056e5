// Menu bar layout and drawing.
#include "platform/sdl/MenuBar.h"

#include <algorithm>

#include "platform/DrawContext.h"
#include "platform/FieldGeometry.h"
#include "platform/display/FieldLayout.h"

namespace {

// Sizes in field pixels, multiplied by the scale.
constexpr int kFontHeight = 13;
constexpr int kTitlePadding = 7;
constexpr int kItemHeight = 20;
constexpr int kItemIndent = 24;  // room left of every item's text, as desktop menus keep
constexpr int kItemTrailing = 24;
constexpr int kFrame = 3;              // the drop-down's border and margin
constexpr int kFallbackCharWidth = 6;  // when no font could be found

constexpr Pixel kBarColour = MakePixel(240, 240, 240);
constexpr Pixel kDropColour = MakePixel(248, 248, 248);
constexpr Pixel kBorderColour = MakePixel(151, 151, 151);
constexpr Pixel kTextColour = MakePixel(0, 0, 0);
constexpr Pixel kHighlightColour = MakePixel(0, 120, 215);
constexpr Pixel kHighlightTextColour = MakePixel(255, 255, 255);

void FillRect(Surface& target, const Rect& rect, Pixel colour) {
    const Rect r = Intersect(rect, target.Bounds());
    for (int y = r.top; y < r.bottom; ++y)
        std::fill(target.Row(y) + r.left, target.Row(y) + r.right, colour);
}

ColorRef ColorRefFromPixel(Pixel p) {
    return MakeColorRef(PixelRed(p), PixelGreen(p), PixelBlue(p));
}

bool Contains(const Rect& r, int x, int y) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

MenuBar::MenuBar(const std::vector<Menu>& menus) {
    for (const Menu& menu : menus) {
        Title title;
        title.label = ParseMenuLabel(menu.title);
        for (const MenuItem& item : menu.items) {
            title.items.push_back(Entry{ParseMenuLabel(item.text), item.command});
        }
        menus_.push_back(std::move(title));
    }
    SetLayout(1, kFieldWidth);
}

void MenuBar::SetLayout(int scale, int windowWidth) {
    scale_ = std::max(1, scale);
    windowWidth_ = windowWidth;
    if (fontsByScale_.count(scale_) == 0) {
        fontsByScale_[scale_] = Font::Create(kFontHeight * scale_, "Tahoma");
    }
    Relayout();
}

int MenuBar::Height() const { return kMenuBarHeight * scale_; }

const Font* MenuBar::CurrentFont() const {
    auto found = fontsByScale_.find(scale_);
    return found == fontsByScale_.end() ? nullptr : found->second.get();
}

int MenuBar::TextWidth(const std::string& text) const {
    const Font* font = CurrentFont();
    if (font == nullptr) return int(text.size()) * kFallbackCharWidth * scale_;
    return font->MeasureWidth(text);
}

void MenuBar::Relayout() {
    int x = 0;
    for (Title& title : menus_) {
        const int width = TextWidth(title.label.text) + 2 * kTitlePadding * scale_;
        title.rect = Rect{x, 0, x + width, Height()};
        x += width;
        int widest = 0;
        for (const Entry& item : title.items) widest = std::max(widest, TextWidth(item.label.text));
        title.dropWidth = widest + (kItemIndent + kItemTrailing + 2 * kFrame) * scale_;
    }
}

int MenuBar::ItemCount(int menu) const {
    if (menu < 0 || menu >= MenuCount()) return 0;
    return int(menus_[size_t(menu)].items.size());
}

int MenuBar::ItemCommand(int menu, int item) const {
    if (item < 0 || item >= ItemCount(menu)) return 0;
    return menus_[size_t(menu)].items[size_t(item)].command;
}

std::string MenuBar::ItemText(int menu, int item) const {
    if (item < 0 || item >= ItemCount(menu)) return std::string();
    return menus_[size_t(menu)].items[size_t(item)].label.text;
}

std::vector<uint32_t> MenuBar::TitleMnemonics() const {
    std::vector<uint32_t> keys;
    for (const Title& title : menus_) keys.push_back(title.label.mnemonicKey);
    return keys;
}

int MenuBar::ItemForMnemonic(int menu, uint32_t key) const {
    for (int item = 0; item < ItemCount(menu); ++item) {
        const uint32_t mnemonic = menus_[size_t(menu)].items[size_t(item)].label.mnemonicKey;
        if (key != 0 && mnemonic == key) return item;
    }
    return -1;
}

bool MenuBar::SetItemText(int command, const std::string& text) {
    bool found = false;
    for (Title& title : menus_) {
        for (Entry& item : title.items) {
            if (item.command != command) continue;
            item.label = ParseMenuLabel(text);
            found = true;
        }
    }
    if (found) Relayout();
    return found;
}

void MenuBar::RemoveItem(int command) {
    for (Title& title : menus_) {
        std::erase_if(title.items,
                      [command](const Entry& item) { return item.command == command; });
    }
    Relayout();
}

void MenuBar::SetItems(int menu, const std::vector<MenuItem>& items) {
    if (menu < 0 || menu >= MenuCount()) return;
    std::vector<Entry>& entries = menus_[size_t(menu)].items;
    entries.clear();
    for (const MenuItem& item : items)
        entries.push_back(Entry{ParseMenuLabel(item.text), item.command});
    Relayout();
}

Rect MenuBar::TitleRect(int menu) const {
    if (menu < 0 || menu >= MenuCount()) return Rect{};
    return menus_[size_t(menu)].rect;
}

Rect MenuBar::DropDownRect(int menu) const {
    if (menu < 0 || menu >= MenuCount()) return Rect{};
    const Title& title = menus_[size_t(menu)];
    const int width = title.dropWidth;
    // Kept inside the window where it fits, as a system menu is kept on the screen.
    const int left = std::max(0, std::min(title.rect.left, windowWidth_ - width));
    const int height = (int(title.items.size()) * kItemHeight + 2 * kFrame) * scale_;
    return Rect{left, Height(), left + width, Height() + height};
}

Rect MenuBar::ItemRect(int menu, int item) const {
    if (item < 0 || item >= ItemCount(menu)) return Rect{};
    const Rect box = DropDownRect(menu);
    const int top = box.top + (kFrame + item * kItemHeight) * scale_;
    return Rect{box.left + kFrame * scale_, top, box.right - kFrame * scale_,
                top + kItemHeight * scale_};
}

int MenuBar::TitleAt(int x, int y) const {
    for (int menu = 0; menu < MenuCount(); ++menu) {
        if (Contains(TitleRect(menu), x, y)) return menu;
    }
    return -1;
}

int MenuBar::ItemAt(int menu, int x, int y) const {
    for (int item = 0; item < ItemCount(menu); ++item) {
        if (Contains(ItemRect(menu, item), x, y)) return item;
    }
    return -1;
}

void MenuBar::DrawLabel(Surface& target, const MenuLabel& label, int left, const Rect& row,
                        Pixel colour) const {
    const Font* font = CurrentFont();
    if (font == nullptr) return;
    const int cell = font->CellHeight();
    const int top = row.top + (row.Height() - cell) / 2;
    const Rect textRect{left, top, row.right, top + cell};
    DrawContext dc(target);
    dc.SetClip(row);
    dc.SetTextColour(ColorRefFromPixel(colour));
    font->DrawText(dc, label.text, textRect, DT_LEFT | DT_SINGLELINE);
    if (label.mnemonicIndex >= 0) {
        const std::string before = label.text.substr(0, size_t(label.mnemonicIndex));
        const std::string letter = label.text.substr(size_t(label.mnemonicIndex), 1);
        const int underlineLeft = left + font->MeasureWidth(before);
        const int underlineTop = textRect.bottom - scale_;
        FillRect(target,
                 Intersect(Rect{underlineLeft, underlineTop,
                                underlineLeft + font->MeasureWidth(letter), textRect.bottom},
                           row),
                 colour);
    }
}

void MenuBar::DrawBar(Surface& strip, int openMenu) const {
    FillRect(strip, strip.Bounds(), kBarColour);
    for (int menu = 0; menu < MenuCount(); ++menu) {
        const Rect rect = TitleRect(menu);
        Pixel text = kTextColour;
        if (menu == openMenu) {
            FillRect(strip, Rect{rect.left, rect.top + scale_, rect.right, rect.bottom - scale_},
                     kHighlightColour);
            text = kHighlightTextColour;
        }
        DrawLabel(strip, menus_[size_t(menu)].label, rect.left + kTitlePadding * scale_, rect,
                  text);
    }
}

void MenuBar::DrawDropDown(Surface& box, int menu, int highlightedItem) const {
    FillRect(box, box.Bounds(), kBorderColour);
    FillRect(box, Rect{scale_, scale_, box.Width() - scale_, box.Height() - scale_}, kDropColour);
    const Rect drop = DropDownRect(menu);
    for (int item = 0; item < ItemCount(menu); ++item) {
        Rect row = ItemRect(menu, item);
        row = Rect{row.left - drop.left, row.top - drop.top, row.right - drop.left,
                   row.bottom - drop.top};
        Pixel text = kTextColour;
        if (item == highlightedItem) {
            FillRect(box, row, kHighlightColour);
            text = kHighlightTextColour;
        }
        const Entry& entry = menus_[size_t(menu)].items[size_t(item)];
        DrawLabel(box, entry.label, row.left + (kItemIndent - kFrame) * scale_, row, text);
    }
}
