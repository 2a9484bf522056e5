// Where the desktop game finds its pictures and keeps the player's high score table:
// the pictures beside the program, wherever it was installed; the table in the player's
// data folder.
#pragma once

#include <string>

#include "app/GameFiles.h"

// The installed pictures' folder relative to the installed program's folder.
extern const char* const kInstalledArtFromProgram;

// The pictures' folder for a program in programFolder: the installed one when it exists,
// else the program's own folder (a build tree); empty (the current directory) when the
// program's folder is unknown.
std::string ArtFolderBeside(const std::string& programFolder);

// The running program's pictures, and "hiscores.dat" in the player's data folder (no table
// file when no home folder is known).
GameFiles DesktopGameFiles();

// "replays" in the player's data folder, beside the high score table; empty when no home
// folder is known.
std::string DesktopReplayFolder();

// Makes the folder of the high score table, so that the first save can go there. A folder
// that cannot be made is left to the save, which then fails as into any unwritable folder.
void CreateHighScoreFolder(const GameFiles& files);
