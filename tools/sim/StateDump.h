// One line of the runner's dump: the state of the game after a step.
#pragma once

#include <cstdint>
#include <span>

#include "JsonWriter.h"
#include "app/CurrentPlayMode.h"

struct StepReport {
    long step = 0;
    uint32_t clock = 0;
    bool frameRan = false;
    std::span<const int> played;
};

// What the frame driver presented (when a frame ran) and holds is read from it.
void WriteStepDump(JsonWriter& json, const StepReport& report);
