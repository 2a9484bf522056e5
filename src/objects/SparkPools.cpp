// The table of the ten spark pools and their creation and deletion.
#include "objects/SparkPools.h"

#include <cstddef>
#include <cstdint>

#include "core/GameMath.h"

SparkPool* sparksRedBurst = nullptr;
SparkPool* sparksRedPuff = nullptr;
SparkPool* sparksGreenBurst = nullptr;
SparkPool* sparksOrangeRing = nullptr;
SparkPool* sparksWhiteTrail = nullptr;
SparkPool* sparksBlueTrail = nullptr;
SparkPool* sparksRedFlash = nullptr;
SparkPool* sparksRedFirework = nullptr;
SparkPool* sparksGreenFirework = nullptr;
SparkPool* sparksBlueFirework = nullptr;

namespace {

// Trails drift up and to the right, between about 58 and 60 degrees.
constexpr float kTrailAngleMin = kPi / 3.1f;
constexpr float kTrailAngleMax = kPi / 3.0f;

struct PoolShape {
    const char* name;
    SparkPool** pool;
    const Pen* SparkPoolPens::*pen;
    int32_t capacity;
    int32_t dashLength;
    float angleMin, angleMax;
    float speedMin, speedMax;
    int32_t lifeMin, lifeMax;
};

using P = SparkPoolPens;
constexpr PoolShape kPoolShapes[kSparkPoolCount] = {
    {"sparksRedBurst", &sparksRedBurst, &P::red, 300, 4, 0, kTwoPi, 4, 6, 10, 30},
    {"sparksRedPuff", &sparksRedPuff, &P::red, 400, 4, 0, kTwoPi, 1, 2, 8, 10},
    {"sparksGreenBurst", &sparksGreenBurst, &P::green, 100, 4, 0, kTwoPi, 4, 6, 10, 30},
    {"sparksOrangeRing", &sparksOrangeRing, &P::orange, 100, 4, 0, kTwoPi, 6, 6, 30, 30},
    {"sparksWhiteTrail", &sparksWhiteTrail, &P::white, 400, 2, kTrailAngleMin, kTrailAngleMax, 0.4f,
     1, 8, 20},
    {"sparksBlueTrail", &sparksBlueTrail, &P::blue, 400, 2, kTrailAngleMin, kTrailAngleMax, 0.4f, 1,
     8, 20},
    {"sparksRedFlash", &sparksRedFlash, &P::red, 150, 3, 0, kTwoPi, 0, 0, 3, 10},
    {"sparksRedFirework", &sparksRedFirework, &P::red, 100, 4, 0, kTwoPi, 4, 6, 10, 30},
    {"sparksGreenFirework", &sparksGreenFirework, &P::green, 100, 4, 0, kTwoPi, 4, 6, 10, 30},
    {"sparksBlueFirework", &sparksBlueFirework, &P::blue, 100, 4, 0, kTwoPi, 4, 6, 10, 30},
};

}  // namespace

void CreateSparkPools(const SparkPoolPens& pens) {
    DeleteSparkPools();
    for (const PoolShape& shape : kPoolShapes) {
        auto* pool = new SparkPool(shape.capacity, pens.*shape.pen, shape.dashLength);
        pool->angleMin = shape.angleMin;
        pool->angleMax = shape.angleMax;
        pool->speedMin = shape.speedMin;
        pool->speedMax = shape.speedMax;
        pool->lifeMin = shape.lifeMin;
        pool->lifeMax = shape.lifeMax;
        *shape.pool = pool;
    }
}

void DeleteSparkPools() {
    for (const PoolShape& shape : kPoolShapes) {
        delete *shape.pool;
        *shape.pool = nullptr;
    }
}

std::array<NamedSparkPool, kSparkPoolCount> AllSparkPools() {
    std::array<NamedSparkPool, kSparkPoolCount> pools{};
    for (int i = 0; i < kSparkPoolCount; ++i) {
        pools[size_t(i)] = NamedSparkPool{kPoolShapes[i].name, *kPoolShapes[i].pool};
    }
    return pools;
}
