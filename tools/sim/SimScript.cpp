// Script lines: `STEP down X Y`, `STEP move X Y`, `STEP up X Y`, `STEP keydown VK`,
// `STEP keyup VK`, `STEP key VK`, `STEP command ID`, `STEP activate 0|1`, `STEP paint`,
// `STEP close`; '#' starts a comment.
#include "SimScript.h"

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <sstream>

namespace {

bool ToNumber(const std::string& word, long long low, long long high, long long& out) {
    if (word.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(word.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < low || value > high) return false;
    out = value;
    return true;
}

// Mouse coordinates travel as 16-bit words.
constexpr long long kCoordinateMin = -32768, kCoordinateMax = 65535;

bool ParseLine(const std::vector<std::string>& words, ScriptEvent& event, std::string& problem) {
    long long step = 0;
    if (!ToNumber(words[0], 0, std::numeric_limits<int32_t>::max(), step)) {
        problem = "the step must be a whole number from 0, not '" + words[0] + "'";
        return false;
    }
    event.step = long(step);
    if (words.size() < 2) {
        problem = "an event name must follow the step";
        return false;
    }
    const std::string& name = words[1];
    auto expect = [&](size_t count) {
        if (words.size() != count + 2) {
            problem = "'" + name + "' takes " + std::to_string(count) + " value(s)";
            return false;
        }
        return true;
    };
    auto number = [&](size_t index, long long low, long long high, long long& out) {
        if (!ToNumber(words[index], low, high, out)) {
            problem = "'" + words[index] + "' is not a number from " + std::to_string(low) +
                      " to " + std::to_string(high);
            return false;
        }
        return true;
    };
    long long a = 0, b = 0;
    if (name == "down" || name == "move" || name == "up") {
        if (!expect(2) || !number(2, kCoordinateMin, kCoordinateMax, a) ||
            !number(3, kCoordinateMin, kCoordinateMax, b)) {
            return false;
        }
        const uint32_t message = name == "down" ? WM_LBUTTONDOWN
                                 : name == "up" ? WM_LBUTTONUP
                                                : WM_MOUSEMOVE;
        const uintptr_t buttons = name == "up" ? 0 : MK_LBUTTON;
        event.messages.push_back(Message{message, buttons, MakeMouseLParam(int(a), int(b))});
    } else if (name == "keydown" || name == "keyup" || name == "key") {
        if (!expect(1) || !number(2, 0, 255, a)) return false;
        if (name != "keyup") event.messages.push_back(Message{WM_KEYDOWN, uintptr_t(a), 0});
        if (name != "keydown") event.messages.push_back(Message{WM_KEYUP, uintptr_t(a), 0});
    } else if (name == "command") {
        if (!expect(1) || !number(2, 0, 65535, a)) return false;
        event.messages.push_back(Message{WM_COMMAND, uintptr_t(a), 0});
    } else if (name == "activate") {
        if (!expect(1) || !number(2, 0, 1, a)) return false;
        event.messages.push_back(Message{WM_ACTIVATE, a ? WA_ACTIVE : WA_INACTIVE, 0});
    } else if (name == "paint") {
        if (!expect(0)) return false;
        event.messages.push_back(Message{WM_PAINT, 0, 0});
    } else if (name == "close") {
        if (!expect(0)) return false;
        event.messages.push_back(Message{WM_CLOSE, 0, 0});
    } else {
        problem = "unknown event '" + name + "'";
        return false;
    }
    return true;
}

}  // namespace

bool ParseSimScript(std::istream& in, std::vector<ScriptEvent>& events, std::string& error) {
    std::string text;
    int lineNumber = 0;
    while (std::getline(in, text)) {
        ++lineNumber;
        const size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        std::istringstream words(text);
        std::vector<std::string> parts;
        for (std::string word; words >> word;) parts.push_back(word);
        if (parts.empty()) continue;
        ScriptEvent event;
        event.line = lineNumber;
        std::string problem;
        if (!ParseLine(parts, event, problem)) {
            error = "script line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
        events.push_back(std::move(event));
    }
    if (in.bad()) {
        error = "the script could not be read";
        return false;
    }
    return true;
}
