// The boxes around saving and loading.
#pragma once
#include <string>

// Saves, or shows why it could not and returns false: for the scenes that
// must go on after their save and give the soul its buttons back.
bool saveGameOrReport();

// Shows why loadGameData failed (`error`). When it is the save that failed
// and a backup of it loads, the same box asks whether to go back to it:
// yes keeps the damaged save beside it, puts the backup in its place and
// loads again; no leaves everything as it is.
void reportFailedLoad(const std::string& error);
