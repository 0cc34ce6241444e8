// The mixer's insides, shared by its session, wave and playback code (and
// looked at by its tests and benchmark).
#pragma once
#include "mixer/mixer.h"
#include "mixer/wave_out.h"

#include <mutex>

constexpr int MixBlockCount = 6;
constexpr uint32_t MixBlockBytes = 4096;
constexpr int MixPoolSize = 100;

constexpr const char* MixOutOfMemory =
    "Unable to allocate memory for waveform data.  Try making more memory available by closing other applications.";

// A play in a channel queue, the waiting ring or the free pool.
struct MixPlayEntry {
    MixPlayEntry* next = nullptr;
    MixPlayParams params;      // with the channel actually used
    MixWave* wave = nullptr;
    MixPos length = 0;         // of the wave's data
    MixPos start = 0;
    MixPos end = 0;            // first byte after the play
    const uint8_t* data = nullptr;
};

struct MixBlock {
    WaveHeader header;
    bool free = true;
    MixPos start = 0;          // stream position of its first byte
    MixBlock* next = nullptr;  // in the device queue
    uint8_t data[MixBlockBytes];
};

// One per program.
struct MixerState {
    MixSession* session = nullptr;   // the session (at most one exists)
    MixSession* owner = nullptr;     // the session holding the device
    MixBlock* blocks = nullptr;      // six, while the device is held
    MixBlock* queueHead = nullptr;   // blocks written to the device, in order
    MixBlock* queueTail = nullptr;
    MixPlayEntry pool[MixPoolSize];
    MixPlayEntry* freeEntries = nullptr;
};
extern MixerState mixer;

// Held by every operation of the mixer against the output's refill.
using MixLock = std::lock_guard<std::recursive_mutex>;

// Session and position clock.
MixSession* checkSession(MixSession* session);
MixPos currentPosition(MixSession* s);
MixPos devicePosition(MixSession* s);
void syncPosition(MixSession* s, MixPos p);
void resetDevice(MixSession* s);

// Play entries, blocks and the device queue.
void linkPool();
void releaseEntry(MixPlayEntry* e);
void openBlocks(MixSession* s);
void closeBlocks(MixSession* s);
// Mixes the next block at the mix position; false (and nothing made) when
// no play is left to sound. `write` sends it to the device at once.
bool fillBlock(MixSession* s, MixBlock* b, bool write);
void fillAndWrite(MixSession* s);
// The device handed a block back: free it, send end-of-play notices, refill.
void refill();
void removeWavePlays(MixSession* s, MixWave* wave);

// Sums k ≥ 2 sources of unsigned bytes (128 = silence) into out, clamped.
void mixSum(uint8_t* out, const uint8_t* const* sources, int k, size_t n);
