// Questions asked of the headless runner's dump: objects by type, sounds, presented areas,
// and the shared random generator replayed from a dumped state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "support/Json.h"

// Target categories as the dump prints them.
constexpr int kCategoryGem = 1;
constexpr int kCategoryBigGem = 2;
constexpr int kCategoryPowerUp = 3;
constexpr int kCategorySlideOut = 4;

// The objects of `list` ("targets" or "shots" of a state) with this type name.
std::vector<JsonValue> ObjectsOfType(const JsonValue& list, const std::string& type);
// The targets of a state in this category.
std::vector<JsonValue> TargetsOfCategory(const JsonValue& state, int category);
// The ball resting in (or pulled by) the slingshot, or null when there is none.
const JsonValue* SlingshotBall(const JsonValue& state);
// Whether clip `id` was started during the state's step.
bool Played(const JsonValue& state, int id);

// A rectangle of the field, right and bottom exclusive.
struct Area {
    long long left, top, right, bottom;
};
// Whether the rectangles presented in the state's step cover every pixel of `area`.
bool PresentsAll(const JsonValue& state, Area area);
// Whether any presented rectangle overlaps `area`.
bool PresentsAny(const JsonValue& state, Area area);

// The dumped state of `step`; throws when it was not dumped.
const JsonValue& StateOfStep(const std::vector<JsonValue>& dump, long step);

// The shared random generator continued from a dumped `randomState`.
class RandomReplay {
public:
    explicit RandomReplay(uint32_t state) : state_(state) {}
    int Next() {
        state_ = state_ * 214013u + 2531011u;
        return int((state_ >> 16) & 32767u);
    }

private:
    uint32_t state_;
};
