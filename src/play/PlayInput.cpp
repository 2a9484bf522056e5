// The player's input: the slingshot drag, the click that starts a game, and the initials
// of a new high score.
#include <cstring>

#include "gfx/DirtyRectSet.h"
#include "objects/Ball.h"
#include "platform/FieldGeometry.h"
#include "platform/KeyCharacters.h"
#include "play/PlayMode.h"
#include "sound/SoundPlayer.h"

namespace {

constexpr float kHighestPull = 300.0f;
constexpr int kReloadDelay = 20;

// While captured, positions left of or above the window arrive as large 16-bit words.
int CapturedCoordinate(uint16_t word) { return word > 32000 ? int(word) - 65536 : int(word); }

// Puts the new result in front of the first entry with a lower score; every entry below
// moves down, and what was last ends up in the play mode's own initials, score and level.
void InsertHighScore(HighScoreTable& table, char (&initials)[4], int& score, int& level) {
    for (HighScoreEntry& entry : table) {
        if (entry.score < score) {
            char swapped[4];
            std::memcpy(swapped, entry.initials, sizeof swapped);
            std::memcpy(entry.initials, initials, sizeof swapped);
            std::memcpy(initials, swapped, sizeof swapped);
            std::swap(entry.score, score);
            std::swap(entry.level, level);
        }
    }
}

}  // namespace

intptr_t PlayMode::HandleMessage(Window& window, uint32_t message, uintptr_t wParam,
                                 intptr_t lParam) {
    switch (message) {
        case WM_LBUTTONDOWN:
            window.SetCapture();
            if (screen == PlayScreen::Title) {
                dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
                StartGame();
            } else if (screen == PlayScreen::Playing) {
                dragAnchorX = LowWord(uintptr_t(lParam));
                dragAnchorY = HighWord(uintptr_t(lParam));
            }
            break;
        case WM_MOUSEMOVE: {
            const int mouseX = CapturedCoordinate(LowWord(uintptr_t(lParam)));
            const int mouseY = CapturedCoordinate(HighWord(uintptr_t(lParam)));
            if (ball == nullptr || ball->released != 0 || dragAnchorX == kNoDrag) break;
            ball->x = float(mouseX - dragAnchorX + int(kSlingshotRestX));
            ball->y = float(mouseY - dragAnchorY) + kSlingshotLineY;
            if (ball->y < kHighestPull) ball->y = kHighestPull;
            break;
        }
        case WM_LBUTTONUP:
            if (ball != nullptr) {
                ball->released = 1;
                ball->vy = 0;
                ball->vx = 0;
                reloadDelay = kReloadDelay;
            }
            dragAnchorX = kNoDrag;
            window.ReleaseCapture();
            break;
        case WM_KEYUP:
            if (screen == PlayScreen::Entry) TypeInitial(wParam);
            break;
        default:
            break;
    }
    return 0;
}

void PlayMode::TypeInitial(uintptr_t key) {
    const size_t length = std::strlen(initials);
    if (key == VK_BACK) {
        if (length > 0) initials[length - 1] = '\0';
    } else if (key == VK_RETURN) {
        if (length == 0) std::strcpy(initials, "-");
        InsertHighScore(highScores, initials, score, level);
        if (!highScoreFile_.empty()) SaveHighScores(highScores, highScoreFile_.c_str());
        screen = PlayScreen::Title;
        screenTime = 0;
        dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
        soundPlayer.Play(kTitleTuneSound);
    } else if (length < 3) {
        // Keys that type nothing visible are left out: a line break among the initials
        // would split the lines of the saved table.
        const char typed = CharacterOfKey(key);
        if (typed != '\0') {
            initials[length] = typed;
            initials[length + 1] = '\0';
        }
    }
}
