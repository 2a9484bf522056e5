// Whether play is frozen: the pause toggle and the frames F6 lets run. The window
// procedure and the play mode write it; the play mode's frame obeys it.
#pragma once

extern int paused;      // 1 while play is frozen
extern int stepFrames;  // frames left to run before pausing again; 0 when none
