// The message line (`moji_l` over its shadow `moji_l2`), the click wait,
// and the panels that present what the soul meets. Texts are CP932.
#pragma once
#include <string>

void setMessage(const std::string& text);
// Adds a line below what the message line shows.
void appendMessage(const std::string& text);
// Types the text into the message line, a byte at a time, with its blip.
void typeLine(const std::string& text);
// Shows click_l and returns after the next click (at once once the window
// is closing). Blocks on events: timers keep firing, the CPU stays idle.
void waitForClick();
// Says a line: types it, then waits for a click.
void say(const std::string& text);
// Presents the enemy now met in the profile panel (full hit points).
void showProfile(const std::string& text);
// Shows the result of using the selected item.
void showItemNote(const std::string& line);
// Turns the enemy presented into a fight.
void ambush();
