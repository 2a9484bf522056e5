// The ten named spark pools of play: created once by the play mode from its pens, fed by
// name by every object that makes sparks.
#pragma once

#include <array>

#include "objects/SparkPool.h"

// The play mode's pens that the pools draw with; not owned.
struct SparkPoolPens {
    const Pen* red = nullptr;
    const Pen* green = nullptr;
    const Pen* orange = nullptr;
    const Pen* white = nullptr;
    const Pen* blue = nullptr;
};

// Null until CreateSparkPools.
extern SparkPool* sparksRedBurst;
extern SparkPool* sparksRedPuff;
extern SparkPool* sparksGreenBurst;
extern SparkPool* sparksOrangeRing;
extern SparkPool* sparksWhiteTrail;
extern SparkPool* sparksBlueTrail;
extern SparkPool* sparksRedFlash;
extern SparkPool* sparksRedFirework;
extern SparkPool* sparksGreenFirework;
extern SparkPool* sparksBlueFirework;

constexpr int kSparkPoolCount = 10;

// Creates the ten pools in the order above with their capacities, dashes and ranges,
// replacing any that exist.
void CreateSparkPools(const SparkPoolPens& pens);
// Deletes the ten pools and nulls their names.
void DeleteSparkPools();

struct NamedSparkPool {
    const char* name;  // the global's name, for reports
    SparkPool* pool;
};

// The ten pools in creation order (null entries before CreateSparkPools).
std::array<NamedSparkPool, kSparkPoolCount> AllSparkPools();
