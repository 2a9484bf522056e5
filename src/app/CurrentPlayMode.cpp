// Finding the play mode on the mode stack.
#include "app/CurrentPlayMode.h"

#include <cstring>

#include "app/FrameDriver.h"
#include "play/PlayMode.h"

PlayMode* CurrentPlayMode() {
    if (currentMode == nullptr || std::strcmp(currentMode->typeName, "PRIMARY_MODE") != 0) {
        return nullptr;
    }
    return static_cast<PlayMode*>(currentMode);
}
