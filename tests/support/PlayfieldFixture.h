// A playfield for object tests: the play mode's pens and spark pools exist, the clock and
// the random generator are fixed, the sound goes to a recording sink, and both object
// lists are emptied afterwards.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>

#include "core/ObjectList.h"
#include "core/PlayRecord.h"
#include "core/Random.h"
#include "gfx/DirtyRectSet.h"
#include "objects/Pens.h"
#include "objects/SparkPools.h"
#include "platform/FieldGeometry.h"
#include "platform/headless/ManualClock.h"
#include "platform/headless/RecordingAudio.h"
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

    // How often a clip played; the hit sounds are the three shared clips 173 to 175.
    int Plays(int clip) const {
        return int(std::count(audio.Played().begin(), audio.Played().end(), clip));
    }
    bool Played(int clip) const { return Plays(clip) > 0; }
    int HitSounds() const { return Plays(173) + Plays(174) + Plays(175); }

    // Lets every sound played so far run out, so the next one of any priority is heard.
    void LetSoundsEnd() { clock.Advance(10000); }

    ManualClock clock{1000};
    RecordingAudio audio;
    Surface frame{kFieldWidth, kFieldHeight};
    DrawContext dc{frame};
};
