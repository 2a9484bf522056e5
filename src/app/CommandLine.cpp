// The option table, and reading the arguments against it.
#include "app/CommandLine.h"

#include <algorithm>
#include <array>

#include "platform/PlayerFolders.h"

namespace {

enum class Value { None, ReplayFile };

struct Option {
    const char* shortName;  // null when the option has none
    const char* longName;
    const char* valueName;  // null when it takes no value
    const char* description;
    CommandLine::Action action;
    Value value;
};

constexpr std::array kOptions{
    Option{"-h", "--help", nullptr, "show this help and exit", CommandLine::Action::ShowHelp,
           Value::None},
    Option{nullptr, "--version", nullptr, "show the version and exit",
           CommandLine::Action::ShowVersion, Value::None},
    Option{nullptr, "--replay", "FILE", "watch a replay, then play on", CommandLine::Action::Play,
           Value::ReplayFile},
};

const Option* FindOption(const std::string& argument) {
    for (const Option& option : kOptions) {
        if (argument == option.longName ||
            (option.shortName != nullptr && argument == option.shortName)) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace

CommandLine CommandLine::Parse(const std::vector<std::string>& arguments) {
    CommandLine line;
    auto refuse = [&line](const std::string& problem) {
        line.action_ = Action::Refuse;
        line.problem_ = problem;
    };
    for (size_t i = 0; i < arguments.size() && line.action_ == Action::Play; ++i) {
        std::string argument = arguments[i];
        std::string value;
        bool valueGiven = false;
        // "--replay=FILE" is "--replay FILE".
        const size_t equals = argument.find('=');
        if (argument.rfind("--", 0) == 0 && equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
            valueGiven = true;
        }
        const Option* option = FindOption(argument);
        if (option == nullptr || (valueGiven && option->value == Value::None)) {
            refuse((arguments[i].size() > 1 && arguments[i][0] == '-' ? "unknown option '"
                                                                      : "unexpected argument '") +
                   arguments[i] + "'");
            break;
        }
        line.action_ = option->action;
        if (option->value == Value::None) continue;
        if (!valueGiven && i + 1 < arguments.size()) {
            value = arguments[++i];
            valueGiven = true;
        }
        if (!valueGiven || value.empty()) {
            refuse(std::string("option '") + option->longName + "' needs a " + option->valueName);
        } else if (!line.replayFile_.empty()) {
            refuse(std::string("option '") + option->longName + "' is given twice");
        } else {
            line.replayFile_ = value;
        }
    }
    return line;
}

std::string UsageText() {
    std::string text =
        "Usage: pebblor [OPTION]\n"
        "An arcade game: smash the falling gems with the slingshot before they reach it.\n\n";
    for (const Option& option : kOptions) {
        std::string names = option.shortName != nullptr ? std::string(option.shortName) + ", "
                                                        : std::string(4, ' ');
        names += option.longName;
        if (option.valueName != nullptr) names += std::string(" ") + option.valueName;
        names.resize(std::max<size_t>(names.size() + 2, 18), ' ');
        text += "  " + names + option.description + "\n";
    }
    text += "\n" + PlayerFilesDescription();
    return text;
}

std::string VersionText() {
    return std::string("pebblor ") + PEBBLOR_VERSION +
           "\nCopyright (c) 2026 Zorvane Games\n"
           "Free software under the MIT License: there is NO WARRANTY.\n";
}
