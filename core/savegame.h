// Loading and saving the game state.
#pragma once

// Reads my.dat, then item.dat, then map.dat. On an error (EInOutError) the
// fields already read keep their new values and the later files are not read.
void loadGameData();
// Offers the run to the ranking, writes my.dat from the current state, then
// rewrites the record file (EInOutError on failure; the later steps are
// then skipped).
void saveGame();
// Saves, or shows why it could not and returns false: for the scenes that
// must go on after their save and give the soul its buttons back.
bool saveGameOrReport();
// Clears the per-run state for a new game.
void resetRun();
