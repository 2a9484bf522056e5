// The play mode's set-up, its resources and the reset that starts a game.
#include "play/PlayMode.h"

#include <utility>

#include "core/GameMath.h"
#include "core/PauseState.h"
#include "core/PlayRecord.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"
#include "objects/SparkPools.h"
#include "platform/FieldGeometry.h"
#include "sound/SoundPlayer.h"

namespace {

// The rainbow's hues step by 323/4 degrees around the wheel; red is scaled by 128, not 255.
Pen* MakeRainbowPen(int index) {
    const int k = index * 323;
    int hue = k / 4;
    if (hue > 355) hue -= 360 * ((hue + 4) / 360);
    double red = 0, green = 0, blue = 0;
    HsvToRgb(float(hue), 1.0f, 1.0f, red, green, blue);
    return new Pen{MakePixel(uint8_t(TruncateToInt(red * 128)), uint8_t(TruncateToInt(green * 255)),
                             uint8_t(TruncateToInt(blue * 255)))};
}

void DeletePen(Pen*& pen) {
    delete pen;
    pen = nullptr;
}

}  // namespace

PlayMode::PlayMode(uint32_t kindCode, const char* name, std::string highScoreFile)
    : GameMode(kindCode, name), highScoreFile_(std::move(highScoreFile)) {
    background = dirtyRects.GetArt("absBack.bmp");
    penWhite = new Pen{MakePixel(255, 255, 255)};
    penBlue = new Pen{MakePixel(0, 0, 255)};
    penGreen = new Pen{MakePixel(0, 255, 0)};
    penYellow = new Pen{MakePixel(255, 255, 0)};
    penRed = new Pen{MakePixel(255, 0, 0)};
    penDarkGreen = new Pen{MakePixel(0, 128, 0)};
    penOrange = new Pen{MakePixel(255, 128, 0)};
    for (int i = 0; i < 10; ++i) rainbowPens[size_t(i)] = MakeRainbowPen(i);
    CreateSparkPools(SparkPoolPens{penRed, penGreen, penOrange, penWhite, penBlue});
    paused = 0;
    stepFrames = 0;
    soundPlayer.Play(kTitleTuneSound);
    LoadHighScores(highScores, highScoreFile_.c_str());
}

PlayMode::~PlayMode() {
    DeleteSparkPools();
    for (Pen** pen :
         {&penWhite, &penBlue, &penGreen, &penYellow, &penRed, &penDarkGreen, &penOrange}) {
        DeletePen(*pen);
    }
    for (Pen*& pen : rainbowPens) DeletePen(pen);
}

void PlayMode::Activate() { dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight); }

void PlayMode::StartGame() {
    ball = nullptr;
    dragAnchorX = kNoDrag;
    gemsSpawned = playClock = reloadDelay = level = score = 0;
    screen = PlayScreen::Playing;
    pendingShotCount = 0;
    paused = 0;
    stepFrames = 0;
    screenTime = 0;
    missCount = hitCount = shotsFired = 0;
    accuracy = 0.0f;
    bigGemCount = 0;
    soundPlayer.Stop();
    timeStopCount = 0;
    timeWarpCount = 0;
    ClearField();
}

void PlayMode::ClearField() {
    for (ObjectList* list : {&targetList, &shotList}) {
        while (NamedObject* object = list->First()) {
            list->Remove(object);
            delete object;
        }
    }
}

int AccuracyMultiplier(float accuracyPercent) {
    if (accuracyPercent >= 100) return 5;
    if (accuracyPercent >= 75) return 4;
    if (accuracyPercent >= 50) return 3;
    if (accuracyPercent >= 25) return 2;
    return 1;
}
