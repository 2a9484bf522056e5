// The shot kinds a ball carries: the ordinary ball, the kinds capsules grant, and the kinds
// of the fragments and pellets other shots leave behind.
#pragma once

#include <cstdint>

enum class ShotKind : int32_t {
    Normal = -1,
    Heavy = 0,
    Freeze = 1,
    Blast = 2,
    Boom = 3,
    Echo = 4,
    BreakUp = 5,
    Multi = 6,
    XFrag = 7,
    XShot = 8,
};

// The shot kind held in an object's kind code (a normal ball's code reads as -1).
constexpr ShotKind ShotKindFromCode(uint32_t kindCode) {
    return static_cast<ShotKind>(static_cast<int32_t>(kindCode));
}
