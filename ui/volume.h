// The player's volumes: music and sound effects, 0 to 100 % in steps of
// 10, and a mute of both. Each change shows for 1.5 s in a small overlay
// of its own at the window's top right, and is kept in the settings.
#pragma once
#include <string>

// Start-up: the output takes the volumes kept in the settings.
void restoreVolumes();
// ] and [ (music), } and { (effects): one step up or down.
void stepVolume(bool music, int delta);
// The desktop's volume keys: both together.
void stepVolumes(int delta);
// M: mutes both, or gives them back.
void toggleMute();
// True while both are muted.
bool soundMuted();
// While muted, a small mark in the window's corner, above everything.
void showMuteMark();
// What the overlay shows now ("" when hidden).
std::string volumeOverlayText();
