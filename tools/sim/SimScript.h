// Scripts of input events for the headless runner, one event a line.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "platform/Messages.h"

struct ScriptEvent {
    long step = 0;
    int line = 0;
    // The messages this event delivers, in order (a "key" is a key-down and a key-up).
    std::vector<Message> messages;
};

// Parses the whole script; on a malformed line returns false with a message naming it.
bool ParseSimScript(std::istream& in, std::vector<ScriptEvent>& events, std::string& error);
