// A playfield for object tests: the play mode's pens and spark pools exist, the clock and
// the random generator are fixed, the sound goes to a recording sink, and both object
// lists are emptied afterwards.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <memory>

#include "core/ObjectList.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"
#include "objects/SparkPools.h"
#include "platform/headless/ManualClock.h"
#include "platform/headless/RecordingAudio.h"
#include "play/PlayRecord.h"
#include "sound/SoundPlayer.h"

// The seven named pen globals, in their creation order.
inline std::array<Pen**, 7> NamedPenGlobals() {
    return {&penWhite, &penBlue, &penGreen, &penYellow, &penRed, &penDarkGreen, &penOrange};
}

class PlayfieldFixture : public ::testing::Test {
protected:
    void SetUp() override {
        InstallClock(&clock);
        soundPlayer = SoundPlayer();
        soundPlayer.SetDevice(&audio);
        const Pixel colours[7] = {0xFFFFFF, 0x0000FF, 0x00FF00, 0xFFFF00,
                                  0xFF0000, 0x008000, 0xFF8000};
        for (size_t i = 0; i < 7; ++i) *NamedPenGlobals()[i] = new Pen{colours[i]};
        for (Pen*& pen : rainbowPens) pen = new Pen{0x808080};
        CreateSparkPools(SparkPoolPens{penRed, penGreen, penOrange, penWhite, penBlue});
        randomGenerator.Seed(12345);
        gemSeed = 777;
        shotsFired = hitCount = missCount = 0;
        accuracy = 0;
        pendingShotCount = 0;
        pendingShotKind = 0;
        timeStopCount = timeWarpCount = 0;
    }

    void TearDown() override {
        for (ObjectList* list : {&targetList, &shotList}) {
            while (NamedObject* object = list->First()) {
                list->Remove(object);
                delete object;
            }
        }
        DeleteSparkPools();
        for (Pen** pen : NamedPenGlobals()) {
            delete *pen;
            *pen = nullptr;
        }
        for (Pen*& pen : rainbowPens) {
            delete pen;
            pen = nullptr;
        }
        soundPlayer.SetDevice(nullptr);
        InstallClock(nullptr);
    }

    // Counts the objects of a list.
    static int Count(ObjectList& list) {
        int count = 0;
        for (NamedObject* o = list.First(); o != nullptr; o = list.Next()) ++count;
        return count;
    }

    ManualClock clock{1000};
    RecordingAudio audio;
    Surface frame{kScreenWidth, kScreenHeight};
    DrawContext dc{frame};
};
