// Where the game finds its files. A portable folder (the build folder, or a
// copy the player may write to) holds everything: dat/ and cg/ beside the
// program, the save in dat/, the record file beside the program. An
// installed program reads dat/, cg/ and MIXER.INI from its share folder and
// keeps the save, the record file and the player's own MIXER.INI in the
// player's folder. Set once at start; tests point it at a copy.
#pragma once
#include <string>

// A portable folder: everything in `dir`.
void setAppDir(const std::string& dir);
// An installed program: its files in `shareDir`, the player's in `userDir`.
void setInstalled(const std::string& shareDir, const std::string& userDir);
const std::string& appDir();    // where dat/ and cg/ are
const std::string& userDir();   // where the player's files are (appDir() when portable)
bool installed();
std::string datPath(const std::string& name);   // appDir/dat/name
std::string cgPath(const std::string& name);    // appDir/cg/<language>/name when there, else appDir/cg/name
std::string langPath(const std::string& name);  // appDir/lang/name: the catalogs
std::string saveFilePath();                     // my.dat
// The player's MIXER.INI when there is one, else the program's.
std::string mixerSettingsPath();

// $XDG_... when it holds an absolute path, else that folder under the home folder.
std::string xdgFolder(const char* variable, const char* underHome);
