// A scripted game in the headless runner, asked for its state after chosen steps.
#pragma once

#include <string>
#include <vector>

#include "support/Json.h"

struct SimScenario {
    std::string script;                  // the input events, one a line
    std::vector<std::string> arguments;  // more runner arguments (--clock, --autoplay, ...)
    std::string highScoreFile;           // written as hiscores.dat before every run when set

    // The state after `step`: a run of exactly that many steps that dumps only the last.
    JsonValue At(long step) const;
    // The step in which `screen` was first entered, found among states sampled every 50
    // steps of a run of `steps` steps (no pause may fall in between). Throws when the run
    // never shows it.
    long StepScreenBegan(int screen, long steps) const;

private:
    std::vector<JsonValue> Run(long k, long steps) const;
};
