// Short automatic games beside the bitmaps.
#include "support/AutoplayedGame.h"

#include <string>

#include "StateDump.h"
#include "core/PlayRecord.h"
#include "play/PlayMode.h"

namespace {

// The player shoots for this many updates of each game, then lets the gems come down.
constexpr int kShootingFrames = 2000;
// Low enough for the short games to make the table.
constexpr int kLowScore = 5;

std::string TableOfLowScores() {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "LOW\r\n" + std::to_string(kLowScore) + "\r\n0\r\n";
    return text;
}

}  // namespace

AutoplayedGame::AutoplayedGame(const char* artFolder, uint32_t startClock)
    : folder_(artFolder, TableOfLowScores()) {
    game_.emplace(startClock);
}

AutoplayedGame::~AutoplayedGame() {
    game_.reset();
    for (ObjectList* list : {&targetList, &shotList}) {
        while (NamedObject* object = list->First()) {
            list->Remove(object);
            delete object;
        }
    }
}

bool AutoplayedGame::Deliver(const Message& message) {
    game_->window.Post(message);
    return game_->Pump();
}

bool AutoplayedGame::Act() {
    const PlayMode* play = CurrentPlayMode();
    if (play == nullptr) return true;
    // Resting never begins in the middle of a shot.
    if (play->screen == PlayScreen::Playing && play->playClock > kShootingFrames &&
        play->dragAnchorX == kNoDrag) {
        return true;
    }
    for (const Message& message : player_.Act(*play)) {
        if (!Deliver(message)) return false;
    }
    return true;
}
