// SDL's audio device as the program's output: one device for the whole
// program, 44100 Hz stereo 16-bit (the rate the shipped MIXER.INI mixes
// at, so that the effects are only widened, never resampled), with a
// buffer of 512 frames (11.6 ms) so that a cue is heard as soon as the
// mixer has mixed it. SDL's callback pulls both streams through SDL's own
// converters and sums them, and does nothing else: the music is made
// ahead on the music thread, and the converters are made (and their
// buffers grown) before the callback first needs them.
#include <SDL.h>

#include <algorithm>
#include <chrono>
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
    void waveOpened(const WaveFormat& format) override;

private:
    static void SDLCALL callback(void* self, Uint8* out, int len);
    void fill(Uint8* out, int len);
    void converter(SDL_AudioStream*& stream, SDL_AudioFormat format, int channels, int rate, int frameBytes);
    template <class Produce>
    void pull(SDL_AudioStream* stream, Uint8* out, int len, int frameBytes, int rate, Produce produce);

    bool started_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
    std::string name_;
    SDL_AudioStream* wave_ = nullptr;
    WaveFormat waveFormat_;
    SDL_AudioStream* music_ = nullptr;
    bool musicSounds_ = false;   // the converter still gives music
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
    converter(music_, AUDIO_S16SYS, 2, musicSampleRate, 4);
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SDLCALL SdlBackend::callback(void* self, Uint8* out, int len) { static_cast<SdlBackend*>(self)->fill(out, len); }

// The stream from a source format to the device's. It is given twice what a
// callback asks of it, once, so that its buffers have grown before it is used.
void SdlBackend::converter(SDL_AudioStream*& stream, SDL_AudioFormat format, int channels, int rate, int frameBytes)
{
    SDL_FreeAudioStream(stream);
    stream = SDL_NewAudioStream(format, Uint8(channels), rate, spec_.format, spec_.channels, spec_.freq);
    const int bytes = 2 * (spec_.samples * rate / spec_.freq + 1) * frameBytes;
    std::vector<Uint8> silence(size_t(bytes), format == AUDIO_U8 ? 128 : 0);
    if (stream && SDL_AudioStreamPut(stream, silence.data(), bytes) == 0)
        SDL_AudioStreamClear(stream);
}

void SdlBackend::waveOpened(const WaveFormat& format)
{
    if (wave_ && format == waveFormat_)
        return;
    waveFormat_ = format;
    converter(wave_, format.bitsPerSample == 8 ? AUDIO_U8 : AUDIO_S16LSB, format.channels,
        int(format.samplesPerSec), format.blockAlign);
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

// The music first, without the lock: its stream is this thread's own. The
// converter holds back what it was last given (its resampler looks 23 ms
// ahead), the end of a fade too: once the music has faded out, it is fed
// silence until what it gives is silent, and only then mixed no more.
void SdlBackend::fill(Uint8* out, int len)
{
    const auto begin = std::chrono::steady_clock::now();
    const bool live = musicLive();
    const bool music = live || musicSounds_;
    if (music) {
        pull(music_, musicOut_.data(), len, 4, musicSampleRate,
            [](Uint8* buffer, int bytes) { renderMusic(reinterpret_cast<int16_t*>(buffer), bytes / 4); });
        musicSounds_ = live || std::any_of(musicOut_.begin(), musicOut_.end(), [](Uint8 b) { return b != 0; });
    }

    std::lock_guard guard(audioLock());
    WaveOut* device = openWaveOut();
    if (device && wave_) {
        pull(wave_, out, len, waveFormat_.blockAlign, int(waveFormat_.samplesPerSec),
            [device](Uint8* buffer, int bytes) { device->render(buffer, size_t(bytes)); });
        applyVolume(out, size_t(len), SDL_AUDIO_BITSIZE(spec_.format), waveVolume());
    } else {
        std::memset(out, spec_.silence, size_t(len));
        if (wave_)
            SDL_AudioStreamClear(wave_);   // nothing left over for the next device
    }
    if (music)
        mixMusic(reinterpret_cast<int16_t*>(out), reinterpret_cast<const int16_t*>(musicOut_.data()),
            size_t(len) / 2, musicVolume());
    watchOutput(begin, music);
}

} // namespace

std::unique_ptr<AudioBackend> openSdlBackend()
{
    auto backend = std::make_unique<SdlBackend>();
    if (!backend->open())
        return nullptr;
    return backend;
}
