// Runs the real game on the headless backend, step by step on a virtual clock.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "SimOptions.h"
#include "SimScript.h"

// Returns the exit status: 0 on success, 1 when an output could not be written.
int RunSimulation(const SimOptions& options, std::vector<ScriptEvent> events, std::ostream* dump,
                  std::string& error);
