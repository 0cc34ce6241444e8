// Ending on a signal. SIGINT, SIGTERM and SIGHUP end the game at once and
// quietly: no farewell, no closing picture, nothing saved. A pause under
// way is cut short; a save under way finishes first, since a save never
// lets events through and the game ends at the next pass of its event loop.
#pragma once

// Called once at start, with the application made.
void endOnSignals();
