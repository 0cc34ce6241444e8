// The help box: the keys, and a few words about this world for a soul
// that has just arrived.
#pragma once

void showHelp();
