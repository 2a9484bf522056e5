// The desktop game's command line: the options it takes, what they ask for, and the texts
// that answer them.
#pragma once

#include <string>
#include <vector>

class CommandLine {
public:
    enum class Action { Play, ShowHelp, ShowVersion, Refuse };

    // Reads the arguments that follow the program's name, in order: the first that asks for
    // help or the version decides, as does the first that is not understood.
    static CommandLine Parse(const std::vector<std::string>& arguments);

    Action WhatToDo() const { return action_; }
    // What was wrong, when refused.
    const std::string& Problem() const { return problem_; }
    // The replay to watch first (--replay FILE); empty when none.
    const std::string& ReplayFile() const { return replayFile_; }

private:
    Action action_ = Action::Play;
    std::string problem_;
    std::string replayFile_;
};

// The usage line, one line per option and where the player's files are kept.
std::string UsageText();
// The program's name and version, and its licence.
std::string VersionText();
