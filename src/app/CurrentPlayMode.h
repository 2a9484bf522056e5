// The play mode, when it is the current mode.
#pragma once

class PlayMode;

// Null while no mode runs or another mode is current.
PlayMode* CurrentPlayMode();
