// Replacing a file so that it is always either the old one or the complete new one.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// Writes all of bytes to an open file descriptor; false when any of them did not get there.
using FileWriter = std::function<bool(int fd, std::string_view bytes)>;

bool WriteWholeFile(int fd, std::string_view bytes);

// Writes contents to a temporary file beside path, syncs it and renames it over path. On
// any failure the temporary file is removed and the old file is left as it was. The folder
// must exist. `write` exists for tests that need a write to fail part-way.
bool ReplaceFile(const std::string& path, std::string_view contents,
                 const FileWriter& write = WriteWholeFile);
