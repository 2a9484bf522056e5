// The desktop game's command line: what each list of arguments asks for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CommandLine.h"

namespace {

using Action = CommandLine::Action;

struct Case {
    std::vector<std::string> arguments;
    Action action;
    std::string problem;
    std::string replayFile = "";
};

TEST(CommandLine, TheFirstArgumentThatAsksForSomethingDecides) {
    const Case cases[] = {
        {{}, Action::Play, ""},
        {{"--help"}, Action::ShowHelp, ""},
        {{"-h"}, Action::ShowHelp, ""},
        {{"--version"}, Action::ShowVersion, ""},
        {{"--version", "--help"}, Action::ShowVersion, ""},
        {{"--help", "--bogus"}, Action::ShowHelp, ""},
        {{"--bogus", "--help"}, Action::Refuse, "unknown option '--bogus'"},
        {{"-x"}, Action::Refuse, "unknown option '-x'"},
        {{"--HELP"}, Action::Refuse, "unknown option '--HELP'"},
        {{"--help=1"}, Action::Refuse, "unknown option '--help=1'"},
        {{"level.txt"}, Action::Refuse, "unexpected argument 'level.txt'"},
        {{"-"}, Action::Refuse, "unexpected argument '-'"},
        {{""}, Action::Refuse, "unexpected argument ''"},
        {{"--replay", "a.replay"}, Action::Play, "", "a.replay"},
        {{"--replay=a b.replay"}, Action::Play, "", "a b.replay"},
        {{"--replay", "-"}, Action::Play, "", "-"},
        {{"--replay", "a", "--version"}, Action::ShowVersion, "", "a"},
        {{"--replay"}, Action::Refuse, "option '--replay' needs a FILE"},
        {{"--replay="}, Action::Refuse, "option '--replay' needs a FILE"},
        {{"--replay", "a", "--replay", "b"},
         Action::Refuse,
         "option '--replay' is given twice",
         "a"},
        {{"--version=", "x"}, Action::Refuse, "unknown option '--version='"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CommandLine line = CommandLine::Parse(c.arguments);
        EXPECT_EQ(line.WhatToDo(), c.action);
        EXPECT_EQ(line.Problem(), c.problem);
        EXPECT_EQ(line.ReplayFile(), c.replayFile);
    }
}

}  // namespace
