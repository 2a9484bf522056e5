// The rules of one frame: objects move and die, gems score, the game ends at the
// slingshot line, the slingshot reloads, and new objects come on fixed schedules.
#include <new>

#include "app/FrameDriver.h"
#include "core/GameObject.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/FailZap.h"
#include "objects/Gem.h"
#include "objects/PowerUp.h"
#include "objects/ShotKind.h"
#include "objects/SlideOut.h"
#include "objects/SparkPools.h"
#include "play/PlayMode.h"
#include "play/PlayRecord.h"
#include "sound/SoundPlayer.h"

namespace {

constexpr int kGameOverPause = 100;
constexpr int kGemInterval = 75;
constexpr int kHighestGemLevel = 120;

// Gems and big gems enter at a random x across the field.
float RandomEntryX() { return float((Random() % 10000) * 0.0268 + 10.0); }

bool IsTarget(const GameObject& object) {
    return object.category == ObjectCategory::Gem || object.category == ObjectCategory::BigGem;
}

}  // namespace

int PlayMode::Update() {
    if (paused) return 1;
    if (stepFrames > 0 && --stepFrames == 0) paused = 1;
    ++screenTime;

    if (screen == kScreenGameOver && screenTime > kGameOverPause) {
        ClearField();
        screenTime = 0;
        if (madeHighScore) {
            screen = kScreenEntry;
            initials[0] = initials[1] = initials[2] = initials[3] = '\0';
            soundPlayer.Play(kHighScoreSound);
        } else {
            screen = kScreenTitle;
            dirtyRects.MarkDirty(0, 0, kScreenWidth, kScreenHeight);
            soundPlayer.Play(kTitleTuneSound);
        }
    }

    for (const NamedSparkPool& named : AllSparkPools()) {
        if (named.pool != nullptr) named.pool->Update();
    }

    ball = nullptr;
    for (auto* object = static_cast<GameObject*>(targetList.First()); object != nullptr;
         object = static_cast<GameObject*>(targetList.Next())) {
        object->Update(1.0f);
        if (IsTarget(*object) && object->y >= kSlingshotLineY && screen == kScreenPlaying) {
            screen = kScreenGameOver;
            screenTime = 0;
            soundPlayer.Play(kGameOverSound);
            madeHighScore = 0;
            for (const HighScoreEntry& entry : highScores) {
                if (score > entry.score) madeHighScore = 1;
            }
            AddMade(shotList, new (std::nothrow) FailZap(object->x, object->y));
        }
        if (object->dead) {
            if (object->category == ObjectCategory::Gem) {
                score += (int(object->GetKind()) + 1) * AccuracyMultiplier(accuracy);
            }
            targetList.Remove(object);
            delete object;
        }
    }

    for (auto* object = static_cast<GameObject*>(shotList.First()); object != nullptr;
         object = static_cast<GameObject*>(shotList.Next())) {
        object->Update(1.0f);
        if (object->category == ObjectCategory::Shot && !object->dead &&
            static_cast<Ball*>(object)->loaded == 1) {
            ball = static_cast<Ball*>(object);
        }
        if (object->dead) {
            shotList.Remove(object);
            delete object;
        }
    }

    if (screen != kScreenPlaying) return 1;

    if (ball == nullptr) {
        if (--reloadDelay <= 0) {
            // A ball that cannot be made is tried again next frame; its shot is spent anyway.
            Ball* next = new (std::nothrow)
                Ball(pendingShotCount > 0 ? pendingShotKind : int(ShotKind::Normal));
            if (pendingShotCount >= 0) --pendingShotCount;
            AddMade(shotList, next);
        }
    } else if (ShotKindFromCode(ball->GetKind()) == ShotKind::Normal && pendingShotCount > 0) {
        ball->kind = uint32_t(pendingShotKind);
        --pendingShotCount;
    }

    const int clockBefore = playClock++;
    if (clockBefore % kGemInterval == 0 && timeStopCount == 0) {
        int gemLevel = (Random() % 5 + gemsSpawned) / 20;
        if (gemLevel > level) level = gemLevel;
        if (gemLevel > kHighestGemLevel) gemLevel = kHighestGemLevel;
        // A gem that cannot be made is not counted.
        if (Gem* gem = new (std::nothrow) Gem(gemLevel)) {
            gem->y = -15.0f;
            gem->x = RandomEntryX();
            if (AddMade(targetList, gem) != nullptr) ++gemsSpawned;
        }
    }

    if (playClock % 1800 == 500) {
        const int shotKind = Random() % 7;
        const int side = Random() % 2;
        AddMade(targetList,
                new (std::nothrow) PowerUp(side == 0 ? 308.0f : -20.0f, 200.0f, shotKind));
        soundPlayer.Play(kCapsuleEntersSound);
    }

    if (playClock % 2000 == 1000 && timeStopCount == 0) {
        // Only a big gem that was made moves the variant on.
        if (BigGem* bigGem = new (std::nothrow) BigGem(bigGemCount % 10)) {
            ++bigGemCount;
            bigGem->y = -25.0f;
            bigGem->x = RandomEntryX();
            AddMade(targetList, bigGem);
        }
    }

    if (playClock % 2200 == 1200) {
        const int slideKind = Random() % 9;
        const float y = float(Random() % 200 + 100);
        const int side = Random() % 2;
        AddMade(targetList, new (std::nothrow) SlideOut(2 * side - 1, y, slideKind));
        soundPlayer.Play(kSlideOutEntersSound);
    }
    return 1;
}
