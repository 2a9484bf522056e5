// The play record's storage.
#include "core/PlayRecord.h"

ObjectList targetList;
ObjectList shotList;
int shotsFired = 0;
int hitCount = 0;
int missCount = 0;
float accuracy = 0.0f;
int pendingShotCount = 0;
int pendingShotKind = 0;
int timeStopCount = 0;
int timeWarpCount = 0;
uint32_t gemSeed = 0;
