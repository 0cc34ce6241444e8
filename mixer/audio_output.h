// The program's one audio output. It plays two streams together: the wave
// stream of the wave-output device (wave_out.h), which the mixer feeds, and
// the music stream. The program chooses the output once at start, before
// the mixer is made: the game takes SDL's device, or the silent real-time
// virtual output when there is none; tests take the virtual output and step
// it by hand (virtual_audio.h).
#pragma once
#include <cstdint>
#include <functional>
#include <string>

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

// The music stream: render(out, frames) writes `frames` frames of
// interleaved stereo 16-bit samples at `rate` frames per second. It runs on
// the output's thread with audioLock() held: it must be quick and must not
// call back into the output. An empty render stops the music; set one
// before whatever the render draws on goes away.
using MusicSource = std::function<void(int16_t* out, int frames)>;
void setMusicSource(MusicSource render, int rate);

// The player's volumes, in per cent (0 to 100), applied where the output
// sums its streams: the wave stream's and the music's. At 100 a stream
// plays exactly as rendered.
void setOutputVolumes(int wavePercent, int musicPercent);
