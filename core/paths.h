// Where the game finds its files: the program's folder, with dat/ and cg/
// beside the program. Set once at start; tests point it at a copy.
#pragma once
#include <string>

void setAppDir(const std::string& dir);
const std::string& appDir();
std::string datPath(const std::string& name);   // appDir/dat/name
std::string cgPath(const std::string& name);    // appDir/cg/name
