// How to play, told from what the rules do.
#include "app/HowToPlay.h"

namespace {

constexpr const char* kRulesText =
    "Gems fall towards your slingshot: break them before one reaches the slingshot line.\n"
    "\n"
    "Press the left button anywhere, drag down and let go: the bands fling the ball up the "
    "other way, it bounces off the side walls and breaks the first gem it hits; big gems "
    "take several hits.\n"
    "\n"
    "Shoot a drifting capsule and your next five balls carry its shot (one ball for BLAST):\n"
    "HEAVY flies slower but ploughs through every gem in its way until a big gem stops it.\n"
    "FREEZE halts each falling gem it passes for good and flies on until a big gem stops it.\n"
    "BLAST bursts on its first hit into a ring that sweeps most of the field.\n"
    "BOOM bursts on its first hit into a small ring that breaks the gems close by.\n"
    "ECHO sends two more balls after it, at two thirds and one third of its speed.\n"
    "BREAK-UP splits on its first hit into eight fragments flying out all around.\n"
    "MULTI fans out into seven pellets as it leaves the slingshot.\n"
    "\n"
    "Hit a panel sliding out from the side to set off its effect:\n"
    "BLAST sets off a ring from the panel that sweeps most of the field.\n"
    "BARRIER draws a line across the field that destroys every gem and ball touching it.\n"
    "TIMESTOP halts all gems and keeps new ones away.\n"
    "BLACKHOLE pulls gems and balls towards the panel and swallows what comes too close.\n"
    "L-BEND sends your ball on to the right at the same speed.\n"
    "BREAK-UP fans eleven fragments out from the panel.\n"
    "SMOKE sends six puffs of smoke drifting over the field to hide the gems.\n"
    "MINES scatters eleven mines, each breaking the first gem that touches it.\n"
    "TIMEWARP makes the gems rise at three times their speed.\n"
    "BARRIER, TIMESTOP, BLACKHOLE and TIMEWARP last until the panel slides away.\n"
    "\n"
    "From your tenth shot on, your accuracy (hits less misses per shot; a bounce off a "
    "wall or a ball lost off the top is a miss) multiplies each gem's points: 2X from 25%, "
    "3X from 50%, 4X from 75% and 5X from 100%.\n"
    "\n";

constexpr const char* kKeysText =
    "P, Esc or Pause: pause and resume (P is a letter while you type your initials).\n"
    "F6: play three frames, then pause.";

constexpr const char* kMenuBarText =
    "\nAlt+Enter or F11: full screen and back.\n"
    "F10: open the menu.\n"
    "Ctrl+Q: quit.\n"
    "\n"
    "Replays shows your last game, and the game of every high score that kept one: Space "
    "pauses it, F6 steps a frame, the right arrow held plays it fast, Esc or a click ends it.";

}  // namespace

std::string HowToPlayText(bool hasMenuBar) {
    std::string text = std::string(kRulesText) + kKeysText;
    if (hasMenuBar) text += kMenuBarText;
    return text;
}
