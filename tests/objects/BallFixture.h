// A playfield for ball tests: places balls and targets directly and runs the play update's
// walk of the shot list.
#pragma once

#include <algorithm>
#include <vector>

#include "Placement.h"
#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/Gem.h"
#include "support/PlayfieldFixture.h"

class BallFixture : public PlayfieldFixture {
protected:
    // A slingshot ball of `kind` pulled to (x, y) and let go, as the play mode releases it.
    static Ball* AddReleasedBall(ShotKind kind, float x, float y) {
        Ball* ball = AddRestingBall(x, y, kind);
        ball->released = 1;
        return ball;
    }

    static void RunShotWalk() { WalkList(shotList); }

    // The objects of the shot list in list order.
    static std::vector<GameObject*> Shots() {
        std::vector<GameObject*> shots;
        for (NamedObject* item = shotList.First(); item != nullptr; item = shotList.Next()) {
            shots.push_back(static_cast<GameObject*>(item));
        }
        return shots;
    }

    // The balls of the shot list in list order.
    static std::vector<Ball*> Balls() {
        std::vector<Ball*> balls;
        for (GameObject* object : Shots()) {
            if (object->category == ObjectCategory::Shot)
                balls.push_back(static_cast<Ball*>(object));
        }
        return balls;
    }
};
