// The replay file: plain text, a header of the starting state and one event a line
// (docs/replay-format.md).
#pragma once

#include <string>
#include <string_view>

#include "app/Replay.h"
#include "platform/FileSystem.h"

// The file's text for a replay.
std::string FormatReplay(const Replay& replay);

// Reads a whole replay. False, with the reason in `error` ("line 4: ..."), when the text is
// not a replay, of another format version, damaged or cut short; `replay` is then unusable.
bool ParseReplay(std::string_view text, Replay& replay, std::string& error);

// Reads a replay file; false, with the file's name and the reason, when it cannot be read
// or is no whole replay.
bool LoadReplay(const std::string& path, Replay& replay, std::string& error,
                FileSystem& files = RealFileSystem());
