// The scenes of the recurring characters.
#pragma once

// Plays one scene of the current area, chosen at random.
void PlayCharacterScene();
// Plays the scene of draw r of the area's table.
void playAreaScene(int area, int r);
