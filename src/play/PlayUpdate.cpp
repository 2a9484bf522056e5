// The rules of one frame: objects move and die, gems score, the game ends at the
// slingshot line, the slingshot reloads, and new objects come on fixed schedules.
#include <new>

#include "core/GameObject.h"
#include "core/PauseState.h"
#include "core/PlayRecord.h"
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
#include "platform/FieldGeometry.h"
#include "play/PlayMode.h"
#include "sound/SoundPlayer.h"

namespace {

constexpr int kGameOverPause = 100;

// A gem comes every kGemInterval frames of play; its level is the gems made so far (plus
// a little chance) per kGemsPerLevel, kHighestGemLevel at most.
constexpr int kGemInterval = 75;
constexpr int kGemLevelChance = 5;
constexpr int kGemsPerLevel = 20;
constexpr int kHighestGemLevel = 120;
constexpr float kGemEntryY = -15.0f;

// The other arrivals come when the play clock, just advanced, is `offset` past a multiple
// of `period`.
struct Schedule {
    int period;
    int offset;
    bool IsDue(int clock) const { return clock % period == offset; }
};
constexpr Schedule kCapsuleSchedule{1800, 500};
constexpr Schedule kBigGemSchedule{2000, 1000};
constexpr Schedule kSlideOutSchedule{2200, 1200};

// A capsule drifts in from just beyond either side, granting one of the first seven kinds.
constexpr int kCapsuleShotKinds = int(ShotKind::Multi) + 1;
constexpr float kCapsuleEntryMargin = 20.0f;
constexpr float kCapsuleEntryY = 200.0f;

// Big gems take the ten variants in turn.
constexpr int kBigGemVariants = 10;
constexpr float kBigGemEntryY = -25.0f;

// A slide-out parks at a random height from kSlideOutTop, over kSlideOutHeights rows.
constexpr int kSlideOutTop = 100;
constexpr int kSlideOutHeights = 200;

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

    if (screen == PlayScreen::GameOver && screenTime > kGameOverPause) {
        ClearField();
        screenTime = 0;
        if (madeHighScore) {
            screen = PlayScreen::Entry;
            initials[0] = initials[1] = initials[2] = initials[3] = '\0';
            soundPlayer.Play(kHighScoreSound);
        } else {
            screen = PlayScreen::Title;
            dirtyRects.MarkDirty(0, 0, kFieldWidth, kFieldHeight);
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
        if (IsTarget(*object) && object->y >= kSlingshotLineY && screen == PlayScreen::Playing) {
            screen = PlayScreen::GameOver;
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

    if (screen != PlayScreen::Playing) return 1;

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
        int gemLevel = (Random() % kGemLevelChance + gemsSpawned) / kGemsPerLevel;
        if (gemLevel > level) level = gemLevel;
        if (gemLevel > kHighestGemLevel) gemLevel = kHighestGemLevel;
        // A gem that cannot be made is not counted.
        if (Gem* gem = new (std::nothrow) Gem(gemLevel)) {
            gem->y = kGemEntryY;
            gem->x = RandomEntryX();
            if (AddMade(targetList, gem) != nullptr) ++gemsSpawned;
        }
    }

    if (kCapsuleSchedule.IsDue(playClock)) {
        const int shotKind = Random() % kCapsuleShotKinds;
        const int side = Random() % 2;
        const float x = side == 0 ? float(kFieldWidth) + kCapsuleEntryMargin : -kCapsuleEntryMargin;
        AddMade(targetList, new (std::nothrow) PowerUp(x, kCapsuleEntryY, shotKind));
        soundPlayer.Play(kCapsuleEntersSound);
    }

    if (kBigGemSchedule.IsDue(playClock) && timeStopCount == 0) {
        // Only a big gem that was made moves the variant on.
        if (BigGem* bigGem = new (std::nothrow) BigGem(bigGemCount % kBigGemVariants)) {
            ++bigGemCount;
            bigGem->y = kBigGemEntryY;
            bigGem->x = RandomEntryX();
            AddMade(targetList, bigGem);
        }
    }

    if (kSlideOutSchedule.IsDue(playClock)) {
        const int slideKind = Random() % SlideKind::OfferCount;
        const float y = float(Random() % kSlideOutHeights + kSlideOutTop);
        const int side = Random() % 2;
        AddMade(targetList, new (std::nothrow) SlideOut(2 * side - 1, y, slideKind));
        soundPlayer.Play(kSlideOutEntersSound);
    }
    return 1;
}
