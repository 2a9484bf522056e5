// Runs the pebblor-sim executable in a fresh temporary folder and reads its dump.
#pragma once

#include <string>
#include <vector>

#include "support/Json.h"

struct SimResult {
    int status = -1;
    std::string errorText;
    std::vector<JsonValue> dump;  // one object per dumped step
};

// `arguments` go after the executable; `script` (when not empty) is written to a file and
// passed with --script. The dump is always requested, into the folder's "dump.jsonl".
// `folder` is where it runs (created and emptied when empty). `launcher` is a command the
// runner is started through ("timeout 60").
SimResult RunSim(const std::vector<std::string>& arguments, const std::string& script = "",
                 const std::string& folder = "", const std::string& launcher = "");

// The shell command that runs the runner in `folder` (through `launcher`) with `options`
// (already quoted) and then `arguments`, its errors going to the folder's "stderr.txt".
std::string SimCommand(const std::string& folder, const std::string& options,
                       const std::vector<std::string>& arguments, const std::string& launcher = "");

// The shell command that starts the runner under test: the one this test was built with, or
// PEBBLOR_SIM_COMMAND when set (another system's runner through its emulator, say
// "cmake/wine-run build-windows/run/pebblor-sim.exe"), taken as it is.
std::string SimProgram();
// False while another system's runner is under test: faults the tests make through this
// system's kernel (a private mount, dropped permissions) may not reach it. Wine's server
// opens the files of its programs from outside their mount namespace, with root's rights.
bool SimIsNative();

// The text in single quotes for the shell.
std::string ShellQuote(const std::string& text);

// A new empty folder under the system's temporary folder.
std::string MakeTempFolder(const std::string& name);

// The bytes of a file; empty when it cannot be read.
std::string ReadFile(const std::string& path);
