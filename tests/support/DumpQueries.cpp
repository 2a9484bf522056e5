// Lookups in dumped states.
#include "support/DumpQueries.h"

#include <stdexcept>

std::vector<JsonValue> ObjectsOfType(const JsonValue& list, const std::string& type) {
    std::vector<JsonValue> found;
    for (const JsonValue& object : list.array) {
        if (object["type"].string == type) found.push_back(object);
    }
    return found;
}

std::vector<JsonValue> TargetsOfCategory(const JsonValue& state, int category) {
    std::vector<JsonValue> found;
    for (const JsonValue& object : state["targets"].array) {
        if (object["category"].Int() == category) found.push_back(object);
    }
    return found;
}

const JsonValue* SlingshotBall(const JsonValue& state) {
    for (const JsonValue& shot : state["shots"].array) {
        if (shot["type"].string == "GO_BALL" && shot["loaded"].Int() == 1) return &shot;
    }
    return nullptr;
}

bool Played(const JsonValue& state, int id) {
    for (const JsonValue& clip : state["played"].array) {
        if (clip.Int() == id) return true;
    }
    return false;
}

namespace {

bool Inside(const JsonValue& r, long long x, long long y) {
    return x >= r[0].Int() && x < r[2].Int() && y >= r[1].Int() && y < r[3].Int();
}

}  // namespace

bool PresentsAll(const JsonValue& state, Area area) {
    const auto& rects = state["presented"].array;
    for (long long y = area.top; y < area.bottom; ++y) {
        for (long long x = area.left; x < area.right; ++x) {
            bool covered = false;
            for (const JsonValue& r : rects) covered = covered || Inside(r, x, y);
            if (!covered) return false;
        }
    }
    return true;
}

bool PresentsAny(const JsonValue& state, Area area) {
    for (const JsonValue& r : state["presented"].array) {
        if (r[0].Int() < area.right && area.left < r[2].Int() && r[1].Int() < area.bottom &&
            area.top < r[3].Int()) {
            return true;
        }
    }
    return false;
}

const JsonValue& StateOfStep(const std::vector<JsonValue>& dump, long step) {
    for (const JsonValue& state : dump) {
        if (state["step"].Int() == step) return state;
    }
    throw std::runtime_error("step " + std::to_string(step) + " was not dumped");
}
