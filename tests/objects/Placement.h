// Putting objects straight onto the playfield for tests: each is placed at (x, y) and
// appended to its list, as the play mode or another object would add it; and walking a list
// as the play update does.
#pragma once

#include "core/PlayRecord.h"
#include "objects/Ball.h"
#include "objects/BigGem.h"
#include "objects/Gem.h"

inline Gem* AddGem(float x, float y, int level = 0) {
    auto* gem = new Gem(level);
    gem->x = x;
    gem->y = y;
    targetList.Add(gem);
    return gem;
}

inline BigGem* AddBigGem(float x, float y, int variant = 0) {
    auto* bigGem = new BigGem(variant);
    bigGem->x = x;
    bigGem->y = y;
    targetList.Add(bigGem);
    return bigGem;
}

// A ball already in flight.
inline Ball* AddFlyingBall(ShotKind kind, float x, float y, float vx, float vy) {
    auto* ball = new Ball(kind);
    ball->x = x;
    ball->y = y;
    ball->vx = vx;
    ball->vy = vy;
    ball->loaded = 0;
    ball->released = 1;
    shotList.Add(ball);
    return ball;
}

// The slingshot's ball, resting (dragged to (x, y)) and not yet let go.
inline Ball* AddRestingBall(float x, float y, ShotKind kind = ShotKind::Normal) {
    auto* ball = new Ball(kind);
    ball->x = x;
    ball->y = y;
    shotList.Add(ball);
    return ball;
}

// The play update's walk of a list: each object's Update, then removal and deletion of the
// dead ones. Returns the number of objects visited; stops after `limit`.
inline int WalkList(ObjectList& list, int limit = 1000) {
    int visited = 0;
    for (NamedObject* item = list.First(); item != nullptr && visited < limit; item = list.Next()) {
        auto* object = static_cast<GameObject*>(item);
        object->Update(1.0f);
        ++visited;
        if (object->dead) {
            list.Remove(object);
            delete object;
        }
    }
    return visited;
}
