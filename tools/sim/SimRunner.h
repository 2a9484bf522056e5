// Runs the real game on the headless backend, step by step on a virtual clock.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "SimOptions.h"
#include "SimScript.h"
#include "app/Replay.h"

// Returns the exit status: 0 on success, 1 when an output could not be written, nothing
// was there to record, or the replay ended otherwise than recorded; 2 for a replay the game
// cannot take. `replay` (with --replay) drives the game instead of the events: start-up at
// its clock, then its events after the frames they came after, step S being its frame S.
int RunSimulation(const SimOptions& options, std::vector<ScriptEvent> events, const Replay* replay,
                  std::ostream* dump, std::string& error);
