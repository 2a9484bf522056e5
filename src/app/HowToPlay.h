// The text of the How to Play box: the slingshot, every capsule's shot and panel's effect,
// the accuracy multiplier and the keys.
#pragma once

#include <string>

// The keys of the menu bar, full screen, quitting and the Replays menu are told only where
// the window has a menu bar.
std::string HowToPlayText(bool hasMenuBar);
