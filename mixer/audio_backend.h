// What an output backend (SDL's, the virtual one) is and what it pulls.
#pragma once
#include <cstdint>
#include <string>

class AudioBackend {
public:
    virtual ~AudioBackend() = default;
    virtual std::string name() const = 0;
};

// With audioLock() held: the music's rate (0 without music) and its next frames.
int musicRate();
void renderMusic(int16_t* out, int frames);
// The volumes, per cent, and a stream's samples scaled by one of them
// (unsigned 8-bit or signed 16-bit samples).
int waveVolume();
int musicVolume();
void applyVolume(void* samples, size_t bytes, int bitsPerSample, int percent);

#include <memory>

#include "mixer/audio_output.h"

// The backends: null when SDL has no device.
std::unique_ptr<AudioBackend> openSdlBackend();
std::unique_ptr<AudioBackend> openVirtualBackend(VirtualAudio mode, const std::string& name);
