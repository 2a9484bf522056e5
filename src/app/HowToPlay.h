// The text of the How to Play box: the slingshot, every capsule's shot and panel's effect,
// the accuracy multiplier and the keys.
#pragma once

extern const char* const kHowToPlayText;
