// The status box, the bottom strip, the gauges and the notice strip.
#pragma once
#include <string>

// Rebuilds every status text from the state, then pulls the stats back into
// their ranges (the texts show a value out of range once).
void refreshStatus();
// Adds the scaled award to the score and shows the notice.
void awardScore(int points);
// Lowers karma by amount (a negative amount raises it) and shows the notice.
void changeKarma(int64_t amount);
// The karma band's name as shown, e.g. "【無】".
std::string karmaName(int karma);
