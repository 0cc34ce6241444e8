// The program's one audio output. It plays two streams together: the wave
// stream of the wave-output device (wave_out.h), which the mixer feeds, and
// the music stream (music_stream.h, set with setMusicSource). The program
// chooses the output once at start, before the mixer is made: the game
// takes SDL's device, or the silent real-time virtual output when there is
// none; tests take the virtual output and step it by hand (virtual_audio.h).
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "mixer/music_stream.h"

enum class VirtualAudio {
    Manual,     // plays only when virtualPlay() is called, and records what it played
    RealTime,   // plays in real time into nothing
};

// SDL's default device (audio subsystem only); false when none can be opened.
bool useSdlAudio();
// The virtual output; `name` is the device name the mixer sees.
void useVirtualAudio(VirtualAudio mode, const std::string& name = "Virtual wave output");
// Keeps the output already chosen; else SDL, else the real-time virtual output.
void useDefaultAudio();
// No output at all: there is no wave-output device until one is chosen.
void closeAudio();
// The output's device name; "" when there is none.
std::string audioOutputName();

// For measuring: told at the end of each period the output plays (SDL's
// callback, a step of the virtual output), on the output's thread, of when
// the period began and ended and whether music was mixed in it.
using OutputWatch = std::function<void(std::chrono::steady_clock::time_point begin,
    std::chrono::steady_clock::time_point end, bool music)>;
void setOutputWatch(OutputWatch watch);

// The player's volumes, in per cent (0 to 100), applied where the output
// sums its streams: the wave stream's and the music's. At 100 a stream
// plays exactly as rendered; where the two meet, their sum is bent softly
// below full scale instead of clipping (mixMusic, audio_backend.h).
void setOutputVolumes(int wavePercent, int musicPercent);
