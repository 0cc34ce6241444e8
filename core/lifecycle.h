// The action buttons, switched off for the length of a scene.
#pragma once
#include <string>

void showPlayButtons();
void hidePlayButtons();
// The farewell said when the window closes (CP932).
std::string farewellText();
