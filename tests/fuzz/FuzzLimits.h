// What the fuzz targets leave out to stay fast.
#pragma once

#include <cstdint>

// A picture claiming more pixels goes through the same code, only into a larger surface:
// the few bytes of a run-length file may claim 16 million pixels, and filling 64 MiB for
// each such input slowed the fuzzer to a crawl.
constexpr int64_t kFuzzMostPixels = 256 * 256;
