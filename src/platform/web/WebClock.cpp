// The page's time (performance.now) counted on from a start.
#include "platform/web/WebClock.h"

#include <emscripten/emscripten.h>

#include <cmath>

namespace {

// clang-format off
EM_JS(double, pebblor_wall_clock, (), { return Date.now(); });
// clang-format on

}  // namespace

WebClock::WebClock(uint32_t start) : start_(start), startedAt_(emscripten_get_now()) {}

uint32_t WebClock::Now() { return start_ + uint32_t(uint64_t(emscripten_get_now() - startedAt_)); }

uint32_t WebClock::WallClock() {
    return uint32_t(uint64_t(std::fmod(pebblor_wall_clock(), 4294967296.0)));
}
