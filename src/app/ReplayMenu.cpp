// The Replays menu's items and their texts.
#include "app/ReplayMenu.h"

namespace {

MenuItem LastGameItem() { return MenuItem{"Watch &Last Game", IDM_WATCH_LAST_GAME}; }

}  // namespace

Menu ReplaysMenu() { return Menu{"&Replays", {LastGameItem()}}; }

std::vector<MenuItem> ReplayMenuItems(const ReplayShelf& shelf) {
    std::vector<MenuItem> items{LastGameItem()};
    const HighScoreTable& table = shelf.Table();
    for (size_t row = 0; row < table.size(); ++row) {
        if (!shelf.RowReplayPath(row).empty()) {
            items.push_back(MenuItem{EntryMenuText(table[row]), IDM_WATCH_ENTRY + int(row)});
        }
    }
    return items;
}

std::string EntryMenuText(const HighScoreEntry& entry) {
    std::string text;
    // '&' would mark a mnemonic: doubled, it shows as itself.
    for (size_t i = 0; i < sizeof entry.initials && entry.initials[i] != '\0'; ++i) {
        text += entry.initials[i] == '&' ? std::string("&&") : std::string(1, entry.initials[i]);
    }
    // The table keeps tens of points and the level counted from 0; play showed the level + 1.
    return text + "  " + std::to_string(int64_t(entry.score) * 10) + "  level " +
           std::to_string(int64_t(entry.level) + 1);
}
