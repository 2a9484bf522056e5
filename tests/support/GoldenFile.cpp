// Whether the recorded results are rewritten.
#include "support/GoldenFile.h"

#include <cstdlib>
#include <cstring>

bool UpdatingGolden() {
    const char* value = std::getenv("PEBBLOR_UPDATE_GOLDEN");
    return value != nullptr && std::strcmp(value, "1") == 0;
}
