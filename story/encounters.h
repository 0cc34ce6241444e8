// What a step meets.
#pragma once

// Every second ordinary step: a scene, a pickup, something in the way, a
// trap, a spirit, a sleep space, a save point, a blessing, or nothing.
void rollEncounter();
// The step that reaches the end of the road: the area's guardian (or what
// stands there instead).
void meetGuardian();
// The guardian takes up its sword: its music, and the fight begins.
void guardianFight();
