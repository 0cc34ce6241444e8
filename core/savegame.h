// Loading and saving the game state.
#pragma once

// Reads my.dat, then item.dat, then map.dat. On an error (EInOutError) the
// fields already read keep their new values and the later files are not read.
void loadGameData();
// Writes my.dat from the current state (EInOutError on failure).
void saveGame();
// Clears the per-run state for a new game.
void resetRun();
