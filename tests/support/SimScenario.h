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
    // The states after every k-th step of a run of `steps` steps, and after the last.
    std::vector<JsonValue> Every(long k, long steps) const;
    // The first state showing `screen` among those sampled in a run of `steps` steps, at
    // most 50 steps after the screen was entered. Throws when the run never shows it.
    JsonValue FirstStateOfScreen(int screen, long steps) const;
    // The step in which `screen` was first entered (no pause may fall in between).
    long StepScreenBegan(int screen, long steps) const;
    // The folder of the last run, holding what the game wrote there (hiscores.dat).
    const std::string& Folder() const { return folder_; }

private:
    std::vector<JsonValue> Run(long k, long steps) const;

    mutable std::string folder_;
};

// A game started by a click at step 1, in which nobody shoots: step s runs the update that
// ends with playClock s - 1.
SimScenario UnshotGame();
