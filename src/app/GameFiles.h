// Where a game session finds its pictures and keeps its high score table.
#pragma once

#include <string>

#include "play/HighScores.h"

struct GameFiles {
    // The folder of the bitmap files; empty for the current directory.
    std::string artFolder;
    // The high score table; empty when there is nowhere to keep it (it then lasts one run).
    std::string highScoreFile = kHighScoreFileName;
};
