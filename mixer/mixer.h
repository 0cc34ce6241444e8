// The wave mixer: short waves played on eight logical channels, each with a
// queue of plays, summed in software into one stream of 8-bit blocks that
// are written ahead to the wave-output device (wave_out.h).
//
// The game calls it on the event thread. A block the device has played is
// refilled on the output's thread at once, so that the event thread may
// sleep through a pause without the sound running dry; every operation
// holds audioLock() against that refill. End-of-play notices still reach
// the event thread. Failures are raised as EMixerError.
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mixer/mixer_error.h"
#include "mixer/wave_format.h"

class WaveOut;
struct MixPlayEntry;

// A position is a byte of the output stream.
using MixPos = int64_t;
constexpr MixPos MixForever = INT64_MAX;   // the end of a play that does not end

// A wave, loaded once and played as often as wanted.
struct MixWave {
    WaveFormat format;            // as the file declared it
    std::vector<uint8_t> data;    // the samples, already in the session's output format
    std::string name;             // the first 15 bytes of the name it was loaded by
};

// The end-of-play notice: (channel, wave), on the event thread.
using MixNotify = std::function<void(int channel, MixWave* wave)>;

// What MixerInit may be given. A record whose size is not 10 is ignored.
struct MixConfig {
    uint16_t size = 10;
    uint32_t flags = 0;       // MixConfigStereo, MixConfigRate
    uint16_t channels = 0;    // channels wanted (stereo needs more than 1)
    uint16_t rateCode = 0;    // 11, 22 or 44 (kHz), with MixConfigRate
};
enum : uint32_t { MixConfigStereo = 1, MixConfigRate = 2 };

// The session: the settings, the output format, the channels and the device.
struct MixSession {
    uint16_t check1 = 0;                 // 0x5432 while the session is valid
    std::unique_ptr<WaveOut> device;     // open while the session is active
    bool active = false;
    int32_t deviceId = 0;                // -1 = the default device
    std::string deviceName;              // also the section of its settings in MIXER.INI
    bool channelOpen[8] = {};
    MixPlayEntry* queue[8] = {};         // first play of each channel's queue
    int openChannels = 0;
    uint32_t useStamp[8] = {};           // when each channel was last played on (LRU choice)
    uint32_t playCounter = 0;
    WaveFormat format;                   // output format: always 8 bits
    uint32_t blockLen = 0;               // bytes per block, 512..4096
    int blocks = 0;                      // blocks in use, 2..6
    MixPos mixPos = 0;                   // first byte of the next block to mix
    int64_t clockBase = 0;               // msNow() at which stream byte 0 would have played
    bool goodWavePos = false;            // position from the device, else from the clock
    MixPos posOffset = 0;                // device position + offset = stream position
    bool shiftMode = false;              // late plays start late (else re-mix)
    MixPlayEntry* waitingLast = nullptr; // ring of plays not yet started (MixWait)
    uint16_t check2 = 0;
};

// Creates the session from MIXER.INI (in the program's folder). Only one
// session exists at a time.
MixSession* MixerInit(const MixConfig* config);
// Takes the wave-output device and starts what is queued (on = true), or
// gives the device back, keeping the queues and the position (on = false).
void MixerActivate(MixSession* session, bool on);
// Gives the device back, closes every channel and frees the session.
void MixerCloseSession(MixSession* session);

// Where MixerOpenWave reads a wave from, by its flags: a "WAVE" resource of
// the program (there are none here), a RIFF image in memory, else a file.
enum : uint32_t { MixOpenResource = 2, MixOpenMemory = 4 };
struct MixWaveName {
    std::string text;                  // file name, or resource name
    int resourceId = 0;                // numbered resource, when text is empty
    const void* buffer = nullptr;      // RIFF image
    size_t size = 0;
};
// Loads a RIFF WAVE (PCM, 8 or 16 bits, mono or stereo) and converts it to
// the session's output format. Waves do not depend on the device.
MixWave* MixerOpenWave(MixSession* session, const MixWaveName& name, uint32_t flags);
// Removes the wave's plays from every queue (without notices; what is
// already mixed still sounds), then frees it.
void MixerFreeWave(MixSession* session, MixWave* wave);

// Channels. Open: mode 0 opens channel n, 1 opens all eight, 2 opens 0..n-1.
enum { MixOpenOne = 0, MixOpenAll = 1, MixOpenFirst = 2 };
void MixerOpenChannel(MixSession* session, int n, int mode);
// Close: channel n, or all with MixCloseAll. Queued plays are dropped silently.
enum { MixCloseAll = 1 };
void MixerCloseChannel(MixSession* session, int n, int mode);
// Flush: empties channel n's queue (all with MixFlushAll); the dropped
// sounds stop at once unless MixFlushNoRemix (or the shift mode) lets the
// mixed blocks play out.
enum { MixFlushAll = 1, MixFlushNoRemix = 2 };
void MixerFlushChannel(MixSession* session, int n, int flags);

// Play flags.
enum : uint32_t {
    MixClearQueue = 1,      // drop the channel's queue and play this at once
    MixUseLruChannel = 2,   // choose the channel (written back into `channel`)
    MixHighPriority = 4,    // start as early as possible, re-mixing blocks already written
    MixWait = 8,            // only enqueue; start with the next play without this flag
};

struct MixPlayParams {
    MixSession* session = nullptr;
    int32_t channel = 0;
    MixWave* wave = nullptr;
    MixNotify notify;         // told when the play has ended, or empty
    uint32_t flags = 0;
    uint16_t loops = 0;       // extra repetitions; 0xFFFF = for ever
};

// Queues one play. A play sounds for one byte less than (loops + 1) times
// the wave's length; a normal play starts at the end of what is already
// mixed, or after the channel's previous play.
void MixerPlay(MixPlayParams* params);
