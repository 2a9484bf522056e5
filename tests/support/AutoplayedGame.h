// The whole game in-process beside copies of the bitmaps, played by the automatic player
// in short games (it stops shooting after a while and lets the gems come down; the table
// starts with low scores), so that every screen, high score entry included, comes round
// again and again.
#pragma once

#include <cstdint>
#include <optional>

#include "AutoPlayer.h"
#include "support/GeneratedArt.h"
#include "support/HeadlessGame.h"

class AutoplayedGame {
public:
    // `artFolder` holds the generated bitmaps; the game runs in a temporary copy of it.
    AutoplayedGame(const char* artFolder, uint32_t startClock);
    // Ends the game and empties the playfield lists, as the program's exit would, so the
    // next game in this process starts from the same state.
    ~AutoplayedGame();
    AutoplayedGame(const AutoplayedGame&) = delete;
    AutoplayedGame& operator=(const AutoplayedGame&) = delete;

    // Lets the player answer what the last frame showed; false once the game has quit.
    [[nodiscard]] bool Act();
    // Delivers one message through the window; false once the game has quit.
    [[nodiscard]] bool Deliver(const Message& message);

    HeadlessGame& Game() { return *game_; }

private:
    CurrentArtFolder folder_;  // first: the game loads its art and table from it
    std::optional<HeadlessGame> game_;
    AutoPlayer player_;
};
