// The play mode: the one game mode, carrying title, play, game over and high-score entry
// as screen states of one object.
#pragma once

#include <cstdint>
#include <string>

#include "core/GameMode.h"
#include "play/HighScores.h"

class ArtImage;
class Ball;

// What the play mode shows; the numbers are those the state dump prints.
enum class PlayScreen : int { Title = 0, Playing = 1, GameOver = 2, Entry = 4 };

// dragAnchorX while no drag is in progress.
constexpr int kNoDrag = -10000;

class PlayMode : public GameMode {
public:
    // Loads the background, creates the pens and spark pools, plays the title tune and
    // loads the high score table from highScoreFile (where entries are saved too; an empty
    // path keeps the table for this run only).
    PlayMode(uint32_t kindCode, const char* name, std::string highScoreFile);
    // Deletes the spark pools and pens.
    ~PlayMode() override;

    void Activate() override;
    int Update() override;                // the rules of a frame (PlayUpdate.cpp)
    void Draw(DrawContext& dc) override;  // the play screen (PlayDraw.cpp)
    intptr_t HandleMessage(Window& window, uint32_t message, uintptr_t wParam,
                           intptr_t lParam) override;  // the player's input (PlayInput.cpp)
    bool IsTypingText() const override { return screen == PlayScreen::Entry; }

    void StartGame();
    void ClearField();
    // A key released on the high-score entry screen.
    void TypeInitial(uintptr_t key);

private:
    void DrawTitle(DrawContext& dc);
    void DrawHud(DrawContext& dc);
    void DrawEntry(DrawContext& dc);

    std::string highScoreFile_;

public:
    Ball* ball = nullptr;
    int dragAnchorX = kNoDrag;
    int dragAnchorY = 0;
    int reloadDelay = 0;
    int playClock = 0;
    int gemsSpawned = 0;
    PlayScreen screen = PlayScreen::Title;
    int screenTime = 0;
    int madeHighScore = 0;
    int bigGemCount = 0;
    int score = 0;
    int level = 0;
    ArtImage* background = nullptr;
    HighScoreTable highScores{};
    char initials[4] = {};
};

// The score multiplier for an accuracy in percent: 5, 4, 3, 2 or 1.
int AccuracyMultiplier(float accuracyPercent);
