// The folder the running program was started from, as the system reports it: installed
// data is found relative to it.
#pragma once

#include <string>

// An absolute path; empty when the system cannot tell.
std::string ExecutableFolder();
