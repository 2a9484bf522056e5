// Recorded results: whether a run rewrites them instead of comparing.
#pragma once

// Whether the recorded results are to be rewritten instead of compared: the environment
// variable PEBBLOR_UPDATE_GOLDEN is "1".
bool UpdatingGolden();
