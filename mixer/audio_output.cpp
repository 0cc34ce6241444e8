#include "mixer/audio_output.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "mixer/audio_backend.h"
#include "mixer/wave_out.h"

namespace {
// Declared in this order so that the backend, and with it the output's
// thread, goes first when the program ends.
std::recursive_mutex lock;
MusicSource music;
int rate = 0;
std::atomic<int> waves{100}, tunes{100};
std::unique_ptr<AudioBackend> backend;
}

std::recursive_mutex& audioLock() { return lock; }

// The old output is closed before the new one opens (SDL opens one device at a time).
bool useSdlAudio()
{
    backend.reset();
    backend = openSdlBackend();
    return backend != nullptr;
}

void useVirtualAudio(VirtualAudio mode, const std::string& name)
{
    backend.reset();
    backend = openVirtualBackend(mode, name);
}

void useDefaultAudio()
{
    if (!backend && !useSdlAudio())
        useVirtualAudio(VirtualAudio::RealTime);
}

void closeAudio() { backend.reset(); }

std::string audioOutputName() { return backend ? backend->name() : std::string(); }

void setMusicSource(MusicSource render, int frameRate)
{
    std::lock_guard guard(lock);
    music = std::move(render);
    rate = music ? frameRate : 0;
}

int musicRate() { return rate; }

void renderMusic(int16_t* out, int frames)
{
    if (music)
        music(out, frames);
    else
        std::fill_n(out, 2 * frames, int16_t(0));
}

void setOutputVolumes(int wavePercent, int musicPercent)
{
    waves = std::clamp(wavePercent, 0, 100);
    tunes = std::clamp(musicPercent, 0, 100);
}

int waveVolume() { return waves; }
int musicVolume() { return tunes; }

void applyVolume(void* samples, size_t bytes, int bitsPerSample, int percent)
{
    if (percent >= 100)
        return;
    if (bitsPerSample == 8) {
        for (uint8_t *p = static_cast<uint8_t*>(samples), *end = p + bytes; p < end; ++p)
            *p = uint8_t(128 + (*p - 128) * percent / 100);
    } else {
        for (int16_t *p = static_cast<int16_t*>(samples), *end = p + bytes / 2; p < end; ++p)
            *p = int16_t(*p * percent / 100);
    }
}
