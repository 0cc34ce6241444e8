// The virtual output stepped by hand, for tests: choose it with
// useVirtualAudio(VirtualAudio::Manual) before making the mixer. Nothing
// plays until virtualPlay() is called, and everything played is recorded.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Plays the next `bytes` bytes of the wave stream (silence where no block
// is queued), and the music of the same length of time, the music thread
// let catch up before each of its batches: it is never late. A block
// played to its end is handed back (and refilled by the mixer) on the way.
void virtualPlay(size_t bytes);
// Runs the notices posted so far on this thread: the end-of-play notices,
// blocks handed back by a reset, and the music thread's (once it has
// caught up, as the manual output always lets it).
void virtualDeliver();
// Everything played: the wave stream byte for byte, and the music as
// interleaved stereo frames at its own rate.
const std::vector<uint8_t>& virtualWaveCapture();
const std::vector<int16_t>& virtualMusicCapture();
void virtualClearCapture();
