// The global play record shared by the play mode and the playfield objects.
#pragma once

#include <cstdint>

#include "core/ObjectList.h"

extern ObjectList targetList;  // gems, big gems, power-ups, slide-outs
extern ObjectList shotList;    // balls, death rings, fail zaps, mines, smoke
extern int shotsFired;
extern int hitCount;
extern int missCount;
extern float accuracy;
extern int pendingShotCount;
extern int pendingShotKind;
extern int timeStopCount;
extern int timeWarpCount;
extern uint32_t gemSeed;
