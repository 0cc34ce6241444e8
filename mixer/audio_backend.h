// What an output backend (SDL's, the virtual one) is and what it pulls.
#pragma once
#include <chrono>
#include <cstdint>
#include <string>

#include "mixer/wave_format.h"

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual std::string name() const = 0;
    // The wave-output device opens with `format`: on the event thread, with
    // audioLock() held, before the output is asked for a byte of it.
    virtual void waveOpened(const WaveFormat& /*format*/) {}
};

// Told by the wave-output device when it opens (see above).
void waveStreamOpens(const WaveFormat& format);
// The music stream, on the output's thread: whether music sounds now (when
// not, the output mixes none), and its next frames at musicSampleRate.
bool musicLive();
void renderMusic(int16_t* out, int frames);
// The volumes, per cent, and a stream's samples scaled by one of them
// (unsigned 8-bit or signed 16-bit samples).
int waveVolume();
int musicVolume();
void applyVolume(void* samples, size_t bytes, int bitsPerSample, int percent);
// Adds `music`, scaled by `percent`, into `out` (both signed 16-bit). Up to
// MixKnee the sum is exact; above it, it bends towards full scale and never
// reaches it, so that music and effects together cannot clip. The loudest
// tune peaks at 22408 (-3.3 dBFS) and the loudest cue at 15616 (-6.4 dBFS):
// each alone plays exactly as made, and the two together (38024) bend.
constexpr int MixKnee = 24576;   // -2.5 dBFS
void mixMusic(int16_t* out, const int16_t* music, size_t samples, int percent);
// Tells the output's watch (audio_output.h) of a period played.
void watchOutput(std::chrono::steady_clock::time_point begin, bool music);

#include <memory>

#include "mixer/audio_output.h"

// The backends: null when SDL has no device.
std::unique_ptr<AudioBackend> openSdlBackend();
std::unique_ptr<AudioBackend> openVirtualBackend(VirtualAudio mode, const std::string& name);
