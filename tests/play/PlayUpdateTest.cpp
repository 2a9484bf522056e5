// The rules of a frame where whole runs do not reach them: objects that cannot be made, and
// a broken gem at the slingshot line. The global operator new and delete are replaced here
// so that a test can make one allocation fail; this file is a test program of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <new>
#include <string>
#include <vector>

#include "core/GameObject.h"
#include "core/PauseState.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/FailZap.h"
#include "objects/Gem.h"
#include "objects/PowerUp.h"
#include "objects/SlideOut.h"
#include "play/PlayMode.h"
#include "support/HeadlessGame.h"

namespace {

// While non-zero, the next allocation of exactly this many bytes fails.
size_t failingAllocationSize = 0;

void* AllocateUnlessFailing(size_t size) {
    if (failingAllocationSize != 0 && size == failingAllocationSize) {
        failingAllocationSize = 0;
        return nullptr;
    }
    return std::malloc(size == 0 ? 1 : size);
}

// Kept out of line so that the compiler does not pair an inlined delete with the new.
[[gnu::noinline]] void Release(void* address) { std::free(address); }

}  // namespace

void* operator new(size_t size) {
    void* address = AllocateUnlessFailing(size);
    if (address == nullptr) throw std::bad_alloc();
    return address;
}
void* operator new(size_t size, const std::nothrow_t&) noexcept {
    return AllocateUnlessFailing(size);
}
void operator delete(void* p) noexcept { Release(p); }
void operator delete(void* p, size_t) noexcept { Release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Release(p); }

namespace {

class PlayUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        play = static_cast<PlayMode*>(currentMode);
        game.Send(WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(10, 10));
        game.Send(WM_LBUTTONUP, 0, MakeMouseLParam(10, 10));
        ASSERT_EQ(play->screen, PlayScreen::Playing);
    }

    // A gem placed straight into the target list.
    static Gem* PlaceGem(int level, float x, float y) {
        auto* gem = new Gem(level);
        gem->x = x;
        gem->y = y;
        targetList.Add(gem);
        return gem;
    }
    static int CountOfType(ObjectList& list, const char* typeName) {
        int count = 0;
        for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) {
            count += std::string(o->typeName) == typeName ? 1 : 0;
        }
        return count;
    }

    bool PlayedFailSound() const {
        const std::vector<int>& played = game.audio.Played();
        return std::find(played.begin(), played.end(), 157) != played.end();
    }

    HeadlessGame game;
    PlayMode* play = nullptr;
};

TEST_F(PlayUpdateTest, ABallThatCannotBeMadeIsTriedAgainNextFrameAndItsShotIsCountedOff) {
    play->Update();  // makes the first ball
    play->Update();  // finds it resting
    ASSERT_NE(play->ball, nullptr);
    play->ball->dead = true;  // fired and gone
    pendingShotKind = 3;
    pendingShotCount = 2;

    failingAllocationSize = sizeof(Ball);
    play->Update();
    failingAllocationSize = 0;
    EXPECT_EQ(CountOfType(shotList, "GO_BALL"), 0);
    EXPECT_EQ(pendingShotCount, 1);  // counted off all the same
    EXPECT_LE(play->reloadDelay, 0);

    play->Update();  // the slingshot is still empty: tried again at once
    EXPECT_EQ(CountOfType(shotList, "GO_BALL"), 1);
    EXPECT_EQ(pendingShotCount, 0);
    play->Update();
    ASSERT_NE(play->ball, nullptr);
    EXPECT_EQ(int32_t(play->ball->GetKind()), 3);
}

TEST_F(PlayUpdateTest, TheFirstTargetAtTheLineEndsTheGameOnceEvenWhenItBreaks) {
    play->Update();
    accuracy = 0;
    PlaceGem(4, 100, 470)->dead = true;
    PlaceGem(0, 200, 470);
    play->Update();
    EXPECT_EQ(play->screen, PlayScreen::GameOver);
    EXPECT_EQ(play->score, 5);  // the broken gem still scores
    EXPECT_EQ(CountOfType(shotList, "GO_FAIL_ZAP"), 1);
    EXPECT_TRUE(PlayedFailSound());
}

TEST_F(PlayUpdateTest, AFailZapThatCannotBeMadeStillEndsTheGame) {
    play->Update();
    PlaceGem(0, 200, 470);
    failingAllocationSize = sizeof(FailZap);
    play->Update();
    EXPECT_EQ(failingAllocationSize, 0u) << "the zap was asked for";
    failingAllocationSize = 0;
    EXPECT_EQ(play->screen, PlayScreen::GameOver);
    EXPECT_EQ(CountOfType(shotList, "GO_FAIL_ZAP"), 0);
    EXPECT_TRUE(PlayedFailSound());
}

// Each object due in one game fails to be made in turn: it is skipped and not counted, its
// sound still plays and only the numbers drawn before it was asked for are drawn.
TEST_F(PlayUpdateTest, WhatCannotBeMadeIsSkippedWithItsSoundAndDrawsAndNotCounted) {
    const struct {
        int playClock;  // before the update that asks for it
        size_t size;
        int sound;
        int draws;
        std::function<int()> made;
    } cases[] = {
        {0, sizeof(Gem), 0, 1, [&] { return play->gemsSpawned; }},
        {499, sizeof(PowerUp), 167, 2, [] { return CountOfType(targetList, "GO_POWERUP"); }},
        {999, sizeof(BigGem), 0, 0, [&] { return play->bigGemCount; }},
        {1199, sizeof(SlideOut), 168, 3, [] { return CountOfType(targetList, "GO_SLIDEOUT"); }},
    };
    for (const auto& c : cases) {
        while (play->playClock < c.playClock) play->Update();
        if (c.playClock > 0) {
            ASSERT_NE(play->ball, nullptr) << "no ball is made in the frame that fails";
        }
        const uint32_t randomBefore = randomGenerator.State();
        game.audio.ClearPlayed();
        failingAllocationSize = c.size;
        play->Update();
        EXPECT_EQ(failingAllocationSize, 0u) << c.playClock << ": it was asked for";
        failingAllocationSize = 0;
        EXPECT_EQ(c.made(), 0) << c.playClock;
        EXPECT_EQ(game.audio.Played(),
                  c.sound != 0 ? std::vector<int>{c.sound} : std::vector<int>{});
        RandomGenerator replay;
        replay.Seed(randomBefore);
        for (int i = 0; i < c.draws; ++i) replay.Next();
        EXPECT_EQ(randomGenerator.State(), replay.State()) << c.playClock;
        EXPECT_EQ(play->screen, PlayScreen::Playing);
    }
}

}  // namespace
