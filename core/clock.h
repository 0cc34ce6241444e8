// The game's sense of time: one millisecond clock and one pause.
//
// The pause blocks like a plain sleep: no handler and no timer runs inside
// it, so nothing can re-enter a transition, and whatever was painted before
// it stays on screen. Tests switch the clock to virtual time (pauses then
// advance it instead of sleeping) and scale real sleeping down to nothing.
#pragma once
#include <cstdint>

// Milliseconds since an arbitrary start; virtual in tests.
int64_t msNow();

// Blocks for ms milliseconds (scaled), unless the window has closed.
void pauseMs(int ms);

// Tests: virtual time starting at `start`; pauses and clockAdvance move it.
void useVirtualClock(int64_t start = 0);
void clockAdvance(int64_t ms);
// Real sleeping is ms * scale (tests set 0).
void setPauseScale(double scale);

// Once the window has closed, pauses, boxes and confirmations return at
// once, so that a scene still running falls through to its end. Safe to
// call from a signal handler.
void setWindowClosed(bool closed);
bool windowClosed();
