#include "mixer/audio_output.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>

#include "mixer/audio_backend.h"
#include "mixer/wave_out.h"

namespace {
// Declared in this order so that the backend, and with it the output's
// thread, goes first when the program ends, and the music thread after it.
std::recursive_mutex lock;
MusicStream music;
OutputWatch watch;
std::atomic<int> waves{100}, tunes{100};
std::unique_ptr<AudioBackend> backend;
}

std::recursive_mutex& audioLock() { return lock; }

namespace {
// A backend chosen while the wave-output device is open is told of it.
void chosen(std::unique_ptr<AudioBackend> output)
{
    backend = std::move(output);
    std::lock_guard guard(lock);
    if (WaveOut* device = openWaveOut(); device && backend)
        backend->waveOpened(device->format());
}
}

// The old output is closed before the new one opens (SDL opens one device at a time).
bool useSdlAudio()
{
    backend.reset();
    music.silence();
    chosen(openSdlBackend());
    return backend != nullptr;
}

void useVirtualAudio(VirtualAudio mode, const std::string& name)
{
    backend.reset();
    music.silence();
    chosen(openVirtualBackend(mode, name));
}

void useDefaultAudio()
{
    if (!backend && !useSdlAudio())
        useVirtualAudio(VirtualAudio::RealTime);
}

void closeAudio() { backend.reset(); }

std::string audioOutputName() { return backend ? backend->name() : std::string(); }

void waveStreamOpens(const WaveFormat& format)
{
    if (backend)
        backend->waveOpened(format);
}

void setMusicSource(std::unique_ptr<MusicSource> source) { music.set(std::move(source)); }
void waitForMusic() { music.wait(); }
MusicStats musicStats() { return music.stats(); }
bool musicLive() { return music.live(); }
void renderMusic(int16_t* out, int frames) { music.render(out, frames); }

void setOutputWatch(OutputWatch w)
{
    std::lock_guard guard(lock);
    watch = std::move(w);
}

void watchOutput(std::chrono::steady_clock::time_point begin, bool music)
{
    std::lock_guard guard(lock);
    if (watch)
        watch(begin, std::chrono::steady_clock::now(), music);
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

void mixMusic(int16_t* out, const int16_t* music, size_t samples, int percent)
{
    constexpr double room = 32767 - MixKnee;
    for (size_t i = 0; i < samples; ++i) {
        const int sum = out[i] + music[i] * percent / 100;
        if (std::abs(sum) <= MixKnee)
            out[i] = int16_t(sum);
        else
            out[i] = int16_t(std::copysign(MixKnee + room * std::tanh((std::abs(sum) - MixKnee) / room), sum));
    }
}
