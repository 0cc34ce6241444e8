// The window the game is shown in: the 423 x 461 form, drawn at a whole
// scale of 1 to 4, or full screen at the largest scale that fits; and the
// player's volumes. The keys of the form call these; without a view (the
// form on its own, as tests make it) the scale calls do nothing.
#pragma once

// Ctrl+Plus (+1), Ctrl+Minus (-1); Ctrl+0 sets 1.
void stepScale(int delta);
void resetScale();
void toggleFullScreen();

// Music or effects volume up or down by one step; M mutes and unmutes both.
void stepVolume(bool music, int delta);
void toggleMute();
