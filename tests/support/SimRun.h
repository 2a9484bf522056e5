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

// The text in single quotes for the shell.
std::string ShellQuote(const std::string& text);

// A new empty folder under the system's temporary folder.
std::string MakeTempFolder(const std::string& name);
