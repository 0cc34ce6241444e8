// The action buttons, switched off for the length of a scene.
#pragma once

void showPlayButtons();
void hidePlayButtons();
