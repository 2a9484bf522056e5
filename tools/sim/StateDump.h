// One line of the runner's dump: the state of the game after a step.
#pragma once

#include <cstdint>
#include <span>

#include "JsonWriter.h"
#include "app/CurrentPlayMode.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

struct StepReport {
    long step = 0;
    uint32_t clock = 0;
    bool frameRan = false;
    std::span<const Rect> presented;
    std::span<const int> played;
    const Surface* backBuffer = nullptr;
};

void WriteStepDump(JsonWriter& json, const StepReport& report);
