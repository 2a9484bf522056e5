// Replacing a file so that it is always either the old one or the complete new one.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

#include "platform/FileSystem.h"

// Whether `name` is what a save of a file called `target` writes first: "." target ".tmp-"
// and six letters or digits, in the same folder. Nothing else is ever taken for one.
bool IsTemporaryOf(std::string_view name, std::string_view target);

// Removes the temporaries of path that saves killed midway left behind; those a running
// save still holds stay.
void RemoveStaleTemporaries(const std::string& path, FileSystem& files = RealFileSystem());

// Writes contents to a temporary file beside path, syncs it, renames it over path and syncs
// the folder. Stale temporaries of path go first. On a failure before the rename the
// temporary is removed and the old file is left as it was. The folder must exist. Returns
// the first failure.
std::error_code ReplaceFile(const std::string& path, std::string_view contents,
                            FileSystem& files = RealFileSystem());
