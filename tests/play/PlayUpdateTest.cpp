// The rules of a frame: reloading with special shots, scoring with the multiplier, the end
// of a game at the slingshot line, and spawning under a time stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/GameObject.h"
#include "objects/Ball.h"
#include "objects/Gem.h"
#include "play/PlayMode.h"
#include "play/PlayRecord.h"
#include "support/HeadlessGame.h"

namespace {

class PlayUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        play = static_cast<PlayMode*>(currentMode);
        game.Send(WM_LBUTTONDOWN, MK_LBUTTON, MakeMouseLParam(10, 10));
        game.Send(WM_LBUTTONUP, 0, MakeMouseLParam(10, 10));
        ASSERT_EQ(play->screen, kScreenPlaying);
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

    HeadlessGame game;
    PlayMode* play = nullptr;
};

TEST_F(PlayUpdateTest, ACapsuleConvertsTheRestingBallAndGivesFiveSpecialShotsInAll) {
    play->Update();  // makes the first ball
    play->Update();  // finds it resting
    ASSERT_NE(play->ball, nullptr);
    EXPECT_EQ(int32_t(play->ball->GetKind()), -1);

    pendingShotKind = 0;  // as a collected HEAVY capsule leaves it
    pendingShotCount = 5;
    std::vector<int> kinds;
    std::vector<int> counts;
    for (int shot = 0; shot < 7; ++shot) {
        play->Update();
        ASSERT_NE(play->ball, nullptr);
        kinds.push_back(int32_t(play->ball->GetKind()));
        counts.push_back(pendingShotCount);
        play->ball->dead = true;  // fired and gone: the slingshot reloads at once
        play->Update();
    }
    EXPECT_EQ(kinds, (std::vector<int>{0, 0, 0, 0, 0, -1, -1}));
    EXPECT_EQ(counts, (std::vector<int>{4, 3, 2, 1, 0, -1, -1}));
}

TEST_F(PlayUpdateTest, GemsScoreTheirLevelPlusOneTimesTheAccuracyMultiplier) {
    const struct {
        float accuracy;
        int expected;
    } cases[] = {{24.99f, 3}, {25.0f, 6}, {50.0f, 9}, {75.0f, 12}, {100.0f, 15}, {250.0f, 15}};
    for (const auto& c : cases) {
        play->score = 0;
        accuracy = c.accuracy;
        PlaceGem(2, 100, 100)->dead = true;
        play->Update();
        EXPECT_EQ(play->score, c.expected) << c.accuracy;
    }
}

TEST_F(PlayUpdateTest, TheFirstTargetAtTheLineEndsTheGameOnceEvenWhenItBreaks) {
    play->Update();
    accuracy = 0;
    Gem* breaking = PlaceGem(4, 100, 470);
    breaking->dead = true;
    PlaceGem(0, 200, 470);
    play->Update();
    EXPECT_EQ(play->screen, kScreenGameOver);
    EXPECT_EQ(play->score, 5);  // the broken gem still scores
    EXPECT_EQ(CountOfType(shotList, "GO_FAIL_ZAP"), 1);
    const std::vector<int>& played = game.audio.Played();
    EXPECT_NE(std::find(played.begin(), played.end(), 157), played.end());
}

TEST_F(PlayUpdateTest, ATimeStopSkipsTheGemsDueAndCapsulesStillCome) {
    play->Update();  // the first gem, at playClock 0
    EXPECT_EQ(play->gemsSpawned, 1);
    timeStopCount = 1;
    while (play->playClock < 500) play->Update();
    EXPECT_EQ(play->gemsSpawned, 1);  // the gems due at 75, 150, ... were skipped
    EXPECT_EQ(CountOfType(targetList, "GO_POWERUP"), 1);
    timeStopCount = 0;
    while (play->playClock < 525) play->Update();
    EXPECT_EQ(play->gemsSpawned, 1);
    play->Update();  // playClock 525 is the next multiple of 75
    EXPECT_EQ(play->gemsSpawned, 2);
}

TEST_F(PlayUpdateTest, PausedUpdatesChangeNothing) {
    play->Update();
    paused = 1;
    const int clock = play->playClock, screenTime = play->screenTime;
    for (int i = 0; i < 10; ++i) play->Update();
    EXPECT_EQ(play->playClock, clock);
    EXPECT_EQ(play->screenTime, screenTime);
    paused = 0;
}

}  // namespace
