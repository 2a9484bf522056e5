// What a program is started with, read the same way on every system: its arguments as
// UTF-8 text, and a standard output that writes bytes exactly as given.
#pragma once

#include <string>
#include <vector>

// The arguments after the program's name.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// Standard output that turns no "\n" into "\r\n", where a system would.
void MakeStandardOutputBinary();
