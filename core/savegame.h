// Loading and saving the game state.
#pragma once
#include <string>

#include "core/state.h"

// Reads my.dat, then item.dat, then map.dat, all or nothing: on an error
// (EInOutError, naming the file and the line) the state and the tables
// keep what they held, and saving is refused until a load succeeds. A
// my.dat that ends early, or whose area lies outside the area table, is
// damaged.
void loadGameData();
// The save loadGameData reads: my.dat, or the initial save where the
// player's folder has none.
std::string saveFileToRead();
// A save file alone, as loadGameData reads it (EInOutError when it fails).
tmy readSaveFile(const std::string& path);
// True from a failed loadGameData until a successful one: the save on disk
// was not read, so nothing may be written over it.
bool loadFailed();
// Puts the tables last read in the language spoken (after a change of it).
void translateTables();
// Meanwhile this refuses (EInOutError) whatever would write over it.
void refuseIfUnread();
// Offers the run to the ranking, then writes my.dat from the current state
// and rewrites the record file, both or neither (EInOutError naming the
// file that failed), the save it replaces kept as my.dat.1. Refused with
// EInOutError after a failed load.
void saveGame();
// The bytes my.dat holds for the current state, as saveGame writes them.
std::string saveFileBytes();
// Removes what saves cut short by a killed process left beside my.dat and
// the record file (at start-up).
void discardUnfinishedSaves();
// Clears the per-run state for a new game.
void resetRun();
