// Choosing, at start, where the game's files are (see core/paths.h).
#pragma once
#include <string>

// Start-up, for a program in `programDir`: portable when that folder and its
// dat/ can be written, else installed (its files in programDir/../share/games/miruhe
// when there, else in programDir itself), the player's folder being
// $XDG_DATA_HOME/miruhe (~/.local/share/miruhe without it). That folder is
// made if missing and given a copy of the initial save when it has none.
struct StartPlace {
    bool newSave = false;     // the player's folder had no save until now
    std::string problem;      // CP932 box text naming a player's folder that cannot be written; "" when fine
};
StartPlace choosePlaces(const std::string& programDir);
// Where the game's own files (dat/, cg/, lang/) are for a program in
// `programDir`, as choosePlaces finds them, with nothing made or copied.
std::string gameFilesDir(const std::string& programDir);
