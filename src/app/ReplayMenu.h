// The Replays menu: the last game, then every high score entry that kept its replay.
#pragma once

#include <string>
#include <vector>

#include "app/ReplayShelf.h"
#include "platform/Window.h"

// The menu as the bar first shows it, before any entry's replay is known.
Menu ReplaysMenu();
// Its items for what the shelf keeps.
std::vector<MenuItem> ReplayMenuItems(const ReplayShelf& shelf);
// "BED  16000  level 12": the initials, the points and the level the game showed.
std::string EntryMenuText(const HighScoreEntry& entry);
