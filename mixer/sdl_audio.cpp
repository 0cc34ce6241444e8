// SDL's audio device as the program's output: one device for the whole
// program, 44100 Hz stereo 16-bit (the rate the shipped MIXER.INI mixes
// at, so that the effects are only widened, never resampled), with a
// buffer of 512 frames (11.6 ms) so that a cue is heard as soon as the
// mixer has mixed it. SDL's callback pulls both streams through SDL's own
// converters and sums them.
#include <SDL.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "mixer/audio_backend.h"
#include "mixer/wave_out.h"

namespace {

class SdlBackend : public AudioBackend {
public:
    ~SdlBackend() override;
    bool open();
    std::string name() const override { return name_; }

private:
    static void SDLCALL callback(void* self, Uint8* out, int len);
    void fill(Uint8* out, int len);
    void converter(SDL_AudioStream*& stream, SDL_AudioFormat format, int channels, int rate);
    template <class Produce>
    void pull(SDL_AudioStream* stream, Uint8* out, int len, int frameBytes, int rate, Produce produce);

    bool started_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::string name_;
    SDL_AudioStream* wave_ = nullptr;
    WaveFormat waveFormat_;
    SDL_AudioStream* music_ = nullptr;
    int musicRate_ = 0;
    std::vector<Uint8> source_ = std::vector<Uint8>(1 << 16);
    std::vector<Uint8> musicOut_;
};

SdlBackend::~SdlBackend()
{
    if (device_)
        SDL_CloseAudioDevice(device_);
    SDL_FreeAudioStream(wave_);
    SDL_FreeAudioStream(music_);
    if (started_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlBackend::open()
{
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");   // the program answers its signals itself
    started_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (!started_)
        return false;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 512;
    want.callback = callback;
    want.userdata = this;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, 0);
    if (!device_)
        return false;
    name_ = std::string("SDL ") + SDL_GetCurrentAudioDriver();
    musicOut_.resize(spec_.size);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SDLCALL SdlBackend::callback(void* self, Uint8* out, int len) { static_cast<SdlBackend*>(self)->fill(out, len); }

// The stream from a source format to the device's, made anew when the source changes.
void SdlBackend::converter(SDL_AudioStream*& stream, SDL_AudioFormat format, int channels, int rate)
{
    SDL_FreeAudioStream(stream);
    stream = SDL_NewAudioStream(format, Uint8(channels), rate, spec_.format, spec_.channels, spec_.freq);
}

// Fills out[0..len) from `stream`, feeding it with produce(buffer, bytes) of
// its source (frames of frameBytes at `rate`) as long as it has too little.
// At the device's own rate exactly the frames wanted are produced, so that
// nothing lies waiting in the stream.
template <class Produce>
void SdlBackend::pull(SDL_AudioStream* stream, Uint8* out, int len, int frameBytes, int rate, Produce produce)
{
    int deviceFrame = SDL_AUDIO_BITSIZE(spec_.format) / 8 * spec_.channels;
    int have;
    while ((have = SDL_AudioStreamAvailable(stream)) < len) {
        int64_t wanted = (len - have + deviceFrame - 1) / deviceFrame;
        int64_t frames = (wanted * rate + spec_.freq - 1) / spec_.freq;
        int bytes = int(std::min<int64_t>(frames, int64_t(source_.size()) / frameBytes) * frameBytes);
        produce(source_.data(), bytes);
        if (SDL_AudioStreamPut(stream, source_.data(), bytes) != 0)
            break;
    }
    int got = std::max(0, SDL_AudioStreamGet(stream, out, len));
    std::memset(out + got, spec_.silence, size_t(len - got));
}

void SdlBackend::fill(Uint8* out, int len)
{
    std::lock_guard guard(audioLock());
    WaveOut* device = openWaveOut();
    if (device && (!wave_ || device->format() != waveFormat_)) {
        waveFormat_ = device->format();
        converter(wave_, waveFormat_.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB, waveFormat_.channels,
            int(waveFormat_.samplesPerSec));
    }
    if (device && wave_) {
        pull(wave_, out, len, waveFormat_.blockAlign, int(waveFormat_.samplesPerSec),
            [device](Uint8* buffer, int bytes) { device->render(buffer, size_t(bytes)); });
        applyVolume(out, size_t(len), SDL_AUDIO_BITSIZE(spec_.format), waveVolume());
    } else {
        std::memset(out, spec_.silence, size_t(len));
        if (wave_)
            SDL_AudioStreamClear(wave_);   // nothing left over for the next device
    }
    int rate = musicRate();
    if (rate && (!music_ || rate != musicRate_)) {
        musicRate_ = rate;
        converter(music_, AUDIO_S16SYS, 2, rate);
    }
    if (rate && music_) {
        musicOut_.resize(size_t(len));
        pull(music_, musicOut_.data(), len, 4, rate,
            [](Uint8* buffer, int bytes) { renderMusic(reinterpret_cast<int16_t*>(buffer), bytes / 4); });
        SDL_MixAudioFormat(out, musicOut_.data(), spec_.format, Uint32(len), musicVolume() * SDL_MIX_MAXVOLUME / 100);
    } else if (music_) {
        SDL_AudioStreamClear(music_);
    }
}

} // namespace

std::unique_ptr<AudioBackend> openSdlBackend()
{
    auto backend = std::make_unique<SdlBackend>();
    if (!backend->open())
        return nullptr;
    return backend;
}
