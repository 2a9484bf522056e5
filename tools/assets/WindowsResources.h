// The sound clips and icons as the Windows build's resource script takes them: a WAVE file
// per clip and an icon file per icon in one folder, and a script fragment that names them
// by their resource ids.
#pragma once

#include <string>
#include <vector>

#include "ClipCatalog.h"

// The fragment: "107 ICON \"icon107.ico\"" and "145 WAVE \"clip145.wav\"" lines, the file
// names relative to the folder.
std::string EmitWindowsResourceScript(const std::vector<int>& iconIds,
                                      const std::vector<int>& clipIds);

// Writes the files and "GameResources.rc" into the folder (which must exist); false when
// one of them cannot be written.
bool WriteWindowsResources(const std::string& folder, const std::vector<Clip>& clips);
