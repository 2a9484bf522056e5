// The play screen: background over last frame's changes, the objects, the overlay of the
// screen state, the pause banner and the sparks on top. It also refreshes `accuracy`.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/DecimalText.h"
#include "core/PauseState.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "gfx/ArtImage.h"
#include "gfx/DirtyRectSet.h"
#include "gfx/GameFonts.h"
#include "objects/Ball.h"
#include "objects/Pens.h"
#include "objects/PowerUp.h"
#include "objects/Ship.h"
#include "objects/ShotKind.h"
#include "objects/SparkPools.h"
#include "platform/FieldGeometry.h"
#include "play/PlayMode.h"

namespace {

constexpr ColorRef kPaleGreen = 0xC8FFC8;
constexpr ColorRef kPaleBlue = 0xFFC8C8;
constexpr ColorRef kPaleRed = 0xC8C8FF;
constexpr ColorRef kPaleCyan = 0xFFFFC8;
constexpr ColorRef kGrey = 0xC8C8C8;

void Text(DrawContext& dc, Font* font, const char* text, Rect rect, ColorRef colour,
          unsigned format) {
    dirtyRects.DrawText(dc, font, text, rect, colour, format);
}

void DrawTargets(DrawContext& dc) {
    for (auto* object = static_cast<GameObject*>(targetList.First()); object != nullptr;
         object = static_cast<GameObject*>(targetList.Next())) {
        switch (object->category) {
            case ObjectCategory::Gem:
            case ObjectCategory::BigGem: {
                auto* ship = static_cast<Ship*>(object);
                const Pen* outline = object->category == ObjectCategory::BigGem ? penYellow
                                     : ship->speed == 0.0f                      ? penBlue
                                                                                : penRed;
                ship->DrawFrame(dc, outline, rainbowPens[(object->GetKind() + 4) % 10]);
                break;
            }
            case ObjectCategory::PowerUp:
            case ObjectCategory::SlideOut:
                object->Draw(dc);
                break;
            default:
                break;
        }
    }
}

void DrawShots(DrawContext& dc) {
    for (auto* object = static_cast<GameObject*>(shotList.First()); object != nullptr;
         object = static_cast<GameObject*>(shotList.Next())) {
        object->Draw(dc);
    }
}

// Now and then a burst of sparks somewhere over the title.
void LaunchFirework() {
    if (Random() % 7 != 6) return;
    SparkPool* pools[4] = {sparksRedBurst, sparksRedFirework, sparksGreenFirework,
                           sparksBlueFirework};
    SparkPool* pool = pools[Random() % 4];
    const int y = 50 + Random() % 476;
    const int x = 50 + Random() % 188;
    if (pool != nullptr) pool->Emit(40, x, y);
}

}  // namespace

void PlayMode::Draw(DrawContext& dc) {
    dirtyRects.ResetClip();
    if (background != nullptr) background->DrawTiledOverDirty(dc);
    DrawTargets(dc);
    DrawShots(dc);
    switch (screen) {
        case PlayScreen::Title:
            DrawTitle(dc);
            break;
        case PlayScreen::Playing:
            DrawHud(dc);
            break;
        case PlayScreen::GameOver:
            Text(dc, FontLarge, "GAME OVER", Rect{0, 340, kFieldWidth, 407}, kPaleBlue, DT_CENTER);
            break;
        case PlayScreen::Entry:
            DrawEntry(dc);
            break;
        default:
            break;
    }
    if (paused) Text(dc, FontLarge, "PAUSED", Rect{0, 240, kFieldWidth, 307}, kPaleBlue, DT_CENTER);
    for (const NamedSparkPool& named : AllSparkPools()) {
        if (named.pool != nullptr) named.pool->Draw(dc);
    }
}

void PlayMode::DrawTitle(DrawContext& dc) {
    ArtImage* title = dirtyRects.GetArt("absTitle.bmp");
    if (title != nullptr) title->DrawOverDirty(dc, 0, 20, 0, 0, nullptr);
    LaunchFirework();
    Text(dc, FontMedium, "High Scores", Rect{0, 220, kFieldWidth, 240}, kPaleGreen, DT_CENTER);
    Text(dc, FontMedium, "INITIALS", Rect{0, 250, 76, 270}, kPaleBlue, DT_RIGHT);
    Text(dc, FontMedium, "SCORE", Rect{124, 250, kFieldWidth, 270}, kPaleBlue, DT_LEFT);
    Text(dc, FontMedium, "LEVEL", Rect{164, 250, 258, 270}, kPaleBlue, DT_RIGHT);
    char text[64];
    for (int i = 0; i < 10; ++i) {
        const HighScoreEntry& entry = highScores[size_t(i)];
        const int top = 268 + 20 * i, bottom = top + 20;
        *std::copy_n(entry.initials, strnlen(entry.initials, sizeof entry.initials), text) = '\0';
        Text(dc, FontMedium, text, Rect{0, top, 76, bottom}, kGrey, DT_RIGHT);
        // The score in tens: a 0 after at least six digits.
        char* end = WriteDecimal(text, entry.score, 6);
        end[0] = '0';
        end[1] = '\0';
        Text(dc, FontMedium, text, Rect{124, top, kFieldWidth, bottom}, kGrey, DT_LEFT);
        *WriteDecimal(text, entry.level) = '\0';
        Text(dc, FontMedium, text, Rect{164, top, 258, bottom}, kGrey, DT_RIGHT);
    }
    Text(dc, FontMedium, "Click mouse to start playing", Rect{0, 540, kFieldWidth, 607}, kPaleGreen,
         DT_CENTER);
}

void PlayMode::DrawHud(DrawContext& dc) {
    char text[96];
    // Written without printf, as every frame does: the score in tens, six digits at least.
    char* end = WriteDecimal(std::copy_n("Score: ", 7, text), score, 6);
    std::copy_n("0", 2, end);
    Text(dc, FontMedium, text, Rect{30, 546, kFieldWidth, 573}, kPaleGreen, DT_LEFT);
    *WriteDecimal(std::copy_n("Level: ", 7, text), int64_t(level) + 1) = '\0';
    Text(dc, FontMedium, text, Rect{0, 546, 258, 573}, kPaleGreen, DT_RIGHT);

    const Rect hintRect{0, 340, kFieldWidth, 407};
    if (screenTime < 400) {
        Text(dc, FontMedium, "Click, drag, and release to\nfire the ball like a slingshot.",
             hintRect, kPaleBlue, DT_CENTER);
    } else if (screenTime > 500 && screenTime < 800) {
        Text(dc, FontMedium, "Don't let the falling gems\nreach your slingshot!", hintRect,
             kPaleRed, DT_CENTER);
    }

    if (pendingShotCount >= 0 &&
        (ball == nullptr || ShotKindFromCode(ball->GetKind()) != ShotKind::Normal)) {
        std::snprintf(text, sizeof text, "%s: %d", ShotKindName(pendingShotKind),
                      pendingShotCount + 1);
        Text(dc, FontLarge, text, Rect{0, 496, kFieldWidth, 544}, kPaleCyan, DT_CENTER);
    }

    if (shotsFired >= 10) {
        accuracy = float(double(hitCount - missCount) / shotsFired * 100);
        int length = std::snprintf(text, sizeof text, "Accuracy: %3.1f%%", double(accuracy));
        const int multiplier = AccuracyMultiplier(accuracy);
        if (multiplier > 1 && length > 0 && size_t(length) < sizeof text) {
            std::snprintf(text + length, sizeof text - size_t(length), "   %dX MULT", multiplier);
        }
        Text(dc, FontMedium, text, Rect{0, 476, kFieldWidth, 496}, kPaleCyan, DT_CENTER);
    }
}

void PlayMode::DrawEntry(DrawContext& dc) {
    Text(dc, FontMedium, "You made a high score!\nType in your initials and\npress ENTER:",
         Rect{0, 340, kFieldWidth, 407}, kPaleGreen, DT_CENTER);
    char text[16];
    std::snprintf(text, sizeof text, (screenTime / 5) % 2 == 1 ? "%s_" : "%s", initials);
    Text(dc, FontMedium, text, Rect{100, 410, kFieldWidth, 430}, kPaleGreen, DT_LEFT);
}
