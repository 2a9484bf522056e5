// The pause state's storage.
#include "core/PauseState.h"

int paused = 0;
int stepFrames = 0;
