// The option table, and reading the arguments against it.
#include "app/CommandLine.h"

#include <algorithm>
#include <array>

namespace {

struct Option {
    const char* shortName;  // null when the option has none
    const char* longName;
    const char* description;
    CommandLine::Action action;
};

constexpr std::array kOptions{
    Option{"-h", "--help", "show this help and exit", CommandLine::Action::ShowHelp},
    Option{nullptr, "--version", "show the version and exit", CommandLine::Action::ShowVersion},
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
    for (const std::string& argument : arguments) {
        if (const Option* option = FindOption(argument)) {
            line.action_ = option->action;
        } else {
            line.action_ = Action::Refuse;
            line.problem_ = (argument.size() > 1 && argument[0] == '-' ? "unknown option '"
                                                                       : "unexpected argument '") +
                            argument + "'";
        }
        if (line.action_ != Action::Play) break;
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
        names.resize(std::max<size_t>(names.size() + 2, 16), ' ');
        text += "  " + names + option.description + "\n";
    }
    text +=
        "\nThe high score table is kept in $XDG_DATA_HOME/pebblor (~/.local/share/pebblor),\n"
        "the settings in $XDG_CONFIG_HOME/pebblor (~/.config/pebblor).\n";
    return text;
}

std::string VersionText() {
    return std::string("pebblor ") + PEBBLOR_VERSION +
           "\nCopyright (c) 2026 Zorvane Games\n"
           "Free software under the MIT License: there is NO WARRANTY.\n";
}
