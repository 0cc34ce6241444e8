// The end of an area's road.
#pragma once

// The area's guardian has fallen: the stage-clear sequence, then the map
// (and, after the final area, the game clear).
void conquerArea();
