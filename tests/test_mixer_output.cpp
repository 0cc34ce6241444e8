// The program's audio output and the wave-output device over it: the
// virtual output stepped by hand, the real-time one, and SDL's for real
// (its "disk" driver writes what it plays to a file).
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <atomic>
#include <cmath>
#include <cstring>
#include <mutex>
#include <set>
#include <thread>

#include "core/paths.h"
#include "mixer/audio_backend.h"
#include "mixer/audio_output.h"
#include "mixer/sound_mixer.h"
#include "mixer/virtual_audio.h"
#include "mixer/wave_out.h"
#include "tests/support/app.h"
#include "tests/support/riff.h"

namespace {

class AudioOutput : public ::testing::Test {
protected:
    void SetUp() override
    {
        testApp();
        useVirtualAudio(VirtualAudio::Manual, "Test output");
    }
    void TearDown() override
    {
        device.reset();
        setMusicSource(nullptr);
        closeAudio();
    }
    void open(const WaveFormat& format = WaveFormat{})
    {
        ASSERT_EQ(WaveOut::open(0, format, [this] { ++handedBack; }, device), WaveOk);
    }
    // A prepared block of n bytes of `value`.
    struct Block {
        std::string bytes;
        WaveHeader header;
    };
    void fill(Block& b, size_t n, int value)
    {
        b.bytes.assign(n, char(value));
        b.header.data = reinterpret_cast<uint8_t*>(b.bytes.data());
        b.header.length = uint32_t(n);
        ASSERT_EQ(device->prepare(b.header), WaveOk);
    }
    std::string captured(size_t from)
    {
        const std::vector<uint8_t>& all = virtualWaveCapture();
        return std::string(all.begin() + from, all.end());
    }

    std::unique_ptr<WaveOut> device;
    int handedBack = 0;
};

TEST_F(AudioOutput, OneDeviceWhileThereIsAnOutput)
{
    EXPECT_EQ(waveOutDeviceCount(), 1);
    WaveOutCaps caps;
    ASSERT_TRUE(waveOutGetCaps(-1, caps));
    EXPECT_EQ(caps.name, "Test output");
    EXPECT_EQ(caps.channels, 2);
    EXPECT_TRUE(waveOutGetCaps(0, caps));
    EXPECT_FALSE(waveOutGetCaps(1, caps));
    EXPECT_FALSE(waveOutGetCaps(-2, caps));
    closeAudio();
    EXPECT_EQ(waveOutDeviceCount(), 0);
    EXPECT_FALSE(waveOutGetCaps(0, caps));
    EXPECT_FALSE(waveOutSupports(0, WaveFormat{}));
}

TEST_F(AudioOutput, FormatQueryAndOpen)
{
    EXPECT_TRUE(waveOutSupports(0, pcm(1, 11025, 8)));
    EXPECT_TRUE(waveOutSupports(-1, pcm(2, 44100, 16)));
    EXPECT_FALSE(waveOutSupports(0, pcm(1, 11025, 24)));
    EXPECT_FALSE(waveOutSupports(0, pcm(3, 11025, 8)));
    WaveFormat wrong = pcm(2, 22050, 8);
    wrong.blockAlign = 1;
    EXPECT_FALSE(waveOutSupports(0, wrong));
    wrong = pcm(1, 11025, 8);
    wrong.formatTag = 3;
    EXPECT_FALSE(waveOutSupports(0, wrong));
    EXPECT_FALSE(waveOutSupports(1, pcm(1, 11025, 8)));

    std::unique_ptr<WaveOut> other;
    EXPECT_EQ(WaveOut::open(1, WaveFormat{}, [] {}, other), WaveBadDeviceId);
    EXPECT_EQ(WaveOut::open(0, wrong, [] {}, other), WaveBadFormat);
    open();
    EXPECT_EQ(openWaveOut(), device.get());
    EXPECT_EQ(WaveOut::open(-1, WaveFormat{}, [] {}, other), WaveAllocated);
    EXPECT_EQ(other, nullptr);
    device.reset();
    EXPECT_EQ(openWaveOut(), nullptr);
    EXPECT_EQ(WaveOut::open(-1, WaveFormat{}, [] {}, other), WaveOk);
}

TEST_F(AudioOutput, BlocksPlayInOrderAndComeBack)
{
    open();
    Block a, b;
    fill(a, 100, 10);
    fill(b, 100, 20);
    WaveHeader unprepared;
    unprepared.data = a.header.data;
    EXPECT_EQ(device->write(unprepared), WaveUnprepared);
    WaveHeader empty;
    EXPECT_EQ(device->prepare(empty), WaveInvalidParam);

    ASSERT_EQ(device->write(a.header), WaveOk);
    ASSERT_EQ(device->write(b.header), WaveOk);
    EXPECT_EQ(a.header.flags & (WaveDone | WaveInQueue), WaveInQueue);
    virtualPlay(150);
    EXPECT_EQ(captured(0), std::string(100, 10) + std::string(50, 20));
    EXPECT_EQ(device->position(), 150);
    EXPECT_EQ(handedBack, 1);   // at once, on the output's side, so that it can be refilled there
    EXPECT_EQ(a.header.flags & (WaveDone | WaveInQueue), WaveDone);
    EXPECT_EQ(b.header.flags & (WaveDone | WaveInQueue), WaveInQueue);

    device->pause();
    virtualPlay(20);
    EXPECT_EQ(captured(150), std::string(20, char(128)));
    EXPECT_EQ(device->position(), 150);
    device->restart();
    virtualPlay(20);
    EXPECT_EQ(captured(170), std::string(20, 20));
    EXPECT_EQ(device->position(), 170);

    // Reset: every block comes back, told later on the event thread; the
    // count starts again.
    device->reset();
    EXPECT_EQ(b.header.flags & (WaveDone | WaveInQueue), WaveDone);
    EXPECT_EQ(device->position(), 0);
    EXPECT_EQ(handedBack, 1);
    virtualDeliver();
    EXPECT_EQ(handedBack, 2);
    virtualPlay(10);
    EXPECT_EQ(captured(190), std::string(10, char(128)));
    EXPECT_EQ(device->position(), 0);
}

TEST_F(AudioOutput, ClosingHandsBlocksBackWithoutNotices)
{
    open(pcm(2, 22050, 16));
    Block a;
    fill(a, 400, 7);
    device->write(a.header);
    virtualPlay(4);
    device.reset();
    EXPECT_TRUE(a.header.flags & WaveDone);
    virtualDeliver();
    EXPECT_EQ(handedBack, 0);
    virtualPlay(4);   // no device: silence
    EXPECT_EQ(captured(0), std::string(4, 7) + std::string(4, char(128)));
    open(pcm(2, 22050, 16));
    virtualPlay(4);   // 16-bit silence is 0
    EXPECT_EQ(captured(8), std::string(4, '\0'));
}

// Music that counts its samples: 0, 1, 2, ...
struct Counting : MusicSource {
    int16_t next = 0;
    bool make(int16_t* out, int frames) override
    {
        for (int i = 0; i < 2 * frames; ++i)
            out[i] = next++;
        return true;
    }
};

TEST_F(AudioOutput, MusicIsPlayedAndRecordedAlongTheWaves)
{
    setMusicSource(std::make_unique<Counting>());
    open();   // 11025 bytes a second
    virtualPlay(11025);
    const std::vector<int16_t>& music = virtualMusicCapture();
    ASSERT_EQ(music.size(), 2u * 22050);
    EXPECT_EQ(music[0], 0);
    EXPECT_EQ(music.back(), int16_t(2 * 22050 - 1));
    device.reset();
    virtualPlay(5);   // a little time: frames are counted exactly over the steps
    virtualPlay(5508);
    const size_t stop = 2u * (22050 + 11026);
    ASSERT_EQ(music.size(), stop);
    EXPECT_EQ(music.back(), int16_t(stop - 1));

    // Stopped, the music goes on from where it was heard, falling to
    // silence over the fade; after that the output plays none.
    setMusicSource(nullptr);
    virtualPlay(11025);
    ASSERT_EQ(music.size(), stop + 2 * 22050);
    const int fade = musicSampleRate * musicFadeMs / 1000;
    for (int k = 0; k < 22050; ++k)
        ASSERT_EQ(music[stop + 2 * size_t(k)], k < fade ? int16_t(int16_t(stop + 2 * k) * (fade - k) / fade) : 0) << k;
    virtualPlay(11025);
    EXPECT_EQ(music.size(), stop + 2 * 22050);
}

TEST_F(AudioOutput, RealTimeOutputPlaysOnItsOwn)
{
    useVirtualAudio(VirtualAudio::RealTime);
    open();
    Block a;
    fill(a, 1102, 1);   // 100 ms
    QElapsedTimer timer;
    timer.start();
    device->write(a.header);
    while (handedBack == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(handedBack, 1);
    EXPECT_GE(timer.elapsed(), 80);
    EXPECT_EQ(device->position(), 1102);
}

TEST_F(AudioOutput, DefaultOutputKeepsTheChosenOne)
{
    useDefaultAudio();
    EXPECT_EQ(audioOutputName(), "Test output");
    closeAudio();
    qputenv("SDL_AUDIODRIVER", "no-such-driver");
    useDefaultAudio();   // no SDL device: the silent real-time output
    EXPECT_EQ(audioOutputName(), "Virtual wave output");
}

// Zero crossings and peak of 10 ms windows of the left channel.
struct Window {
    int crossings = 0;
    int peak = 0;
};

std::vector<Window> windows(const std::vector<int16_t>& stereo, int rate)
{
    std::vector<Window> out;
    size_t frames = stereo.size() / 2, size = size_t(rate / 100);
    for (size_t w = 0; w + size <= frames; w += size) {
        Window win;
        for (size_t i = w; i < w + size; ++i) {
            win.peak = std::max(win.peak, std::abs(int(stereo[2 * i])));
            if (i > w && (stereo[2 * i] >= 0) != (stereo[2 * i - 2] >= 0))
                ++win.crossings;
        }
        out.push_back(win);
    }
    return out;
}

// Runs the event loop until `done` or five seconds have passed.
template <class Done>
void pumpUntil(Done done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A 1 kHz tone, for ever; it counts the frames it made and notes the
// threads it was made on.
struct Tone : MusicSource {
    struct Made {
        std::atomic<int> frames = 0;
        std::mutex lock;
        std::set<std::thread::id> threads;
    };
    std::shared_ptr<Made> made = std::make_shared<Made>();
    double phase = 0;
    bool make(int16_t* out, int frames) override
    {
        for (int i = 0; i < frames; ++i, phase += 2 * M_PI * 1000 / 22050)
            out[2 * i] = out[2 * i + 1] = int16_t(8000 * std::sin(phase));
        made->frames += frames;
        std::lock_guard guard(made->lock);
        made->threads.insert(std::this_thread::get_id());
        return true;
    }
};

TEST(SdlOutput, DiskDriverHearsTheMixerAndTheMusic)
{
    testApp();
    QTemporaryDir dir;
    std::string heard = dir.path().toStdString() + "/heard.raw";
    qputenv("SDL_AUDIODRIVER", "disk");
    qputenv("SDL_DISKAUDIOFILE", heard.c_str());
    ASSERT_TRUE(useSdlAudio());
    EXPECT_EQ(audioOutputName(), "SDL disk");
    setAppDir(dir.path().toStdString());
    writeFile(dir.path().toStdString() + "/MIXER.INI", "[default]\nGoodWavePos=1\n");

    // Half a second of a 441 Hz square wave through the mixer...
    std::string square;
    for (int i = 0; i < 5500; ++i)
        square += char(i % 25 < 12 ? 192 : 64);
    std::string path = dir.path().toStdString() + "/square.wav";
    writeFile(path, waveImage(pcm(1, 11025, 8), square));
    {
        TSoundMixer sound;
        sound.setActivated(true);
        sound.setChannels(1);
        MixWave* w = sound.OpenWave(path);
        bool ended = false;
        sound.Play(0, w, [&](int, MixWave*) { ended = true; });
        pumpUntil([&] { return ended; });
        EXPECT_TRUE(ended);
        sound.FreeWave(w);
    }
    // ... then music: a 1 kHz tone, quieter, made on the music thread and
    // never on the output's (nor on this one), for 400 ms at least (it is
    // made two batches ahead at most), then stopped.
    std::set<std::thread::id> output;
    setOutputWatch([&](auto, auto, bool) { output.insert(std::this_thread::get_id()); });
    auto tone = std::make_unique<Tone>();
    const std::shared_ptr<Tone::Made> made = tone->made;
    setMusicSource(std::move(tone));
    pumpUntil([&] { return made->frames > 14000; });
    setMusicSource(nullptr);
    QElapsedTimer fading;
    fading.start();
    pumpUntil([&] { return fading.elapsed() > 150; });
    closeAudio();
    setOutputWatch({});
    EXPECT_FALSE(output.empty());
    {
        std::lock_guard guard(made->lock);
        ASSERT_EQ(made->threads.size(), 1u);
        EXPECT_EQ(output.count(*made->threads.begin()), 0u);
        EXPECT_NE(*made->threads.begin(), std::this_thread::get_id());
    }

    std::string bytes = readFile(heard);
    std::vector<int16_t> samples(bytes.size() / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    int waveWindows = 0, musicWindows = 0;
    for (const Window& w : windows(samples, 44100)) {
        if (w.peak > 14000 && w.crossings >= 7 && w.crossings <= 11)
            ++waveWindows;   // 441 Hz: 8.8 crossings in 10 ms
        if (w.peak > 6000 && w.peak < 9000 && w.crossings >= 18 && w.crossings <= 22)
            ++musicWindows;   // 1 kHz: 20 crossings
    }
    EXPECT_NEAR(waveWindows, 50, 4);
    EXPECT_GE(musicWindows, 38);
    EXPECT_LE(musicWindows, 64);
    bool mono = true;
    for (size_t i = 0; i + 1 < samples.size(); i += 2)
        mono = mono && samples[i] == samples[i + 1];
    EXPECT_TRUE(mono);
    // Stopped, the tone faded out: over its last 2 ms (two of its periods)
    // it was a fifth of its height at most, and no step on the way was
    // larger than the tone's own.
    size_t end = samples.size();
    while (end > 0 && samples[end - 1] == 0)
        --end;
    ASSERT_GT(end, size_t(2 * 441));
    int last = 0, steepest = 0;
    for (size_t i = end - 2 * 88; i < end; i += 2)
        last = std::max(last, std::abs(int(samples[i])));
    for (size_t i = end - 2 * 882; i < end; i += 2)
        steepest = std::max(steepest, std::abs(samples[i] - samples[i - 2]));
    EXPECT_LT(last, 1600);
    EXPECT_LE(steepest, int(8000 * 2 * M_PI * 1000 / 44100) + 1);
}

// Where music and effects meet, the sum is exact up to the knee and bends
// below full scale past it: whatever the effects and the music carry at
// 100 % (the loudest cue and the loudest tune are well inside), their sum
// never reaches full scale, and the music alone plays as it was made.
TEST(Headroom, MusicAndEffectsTogetherNeverReachFullScale)
{
    for (int effects = -32768; effects <= 32512; effects += 256) {   // the wave stream's 8-bit samples, widened
        int last = -32768;
        for (int music = -32768; music <= 32767; music += 7) {
            int16_t out = int16_t(effects);
            const int16_t in = int16_t(music);
            mixMusic(&out, &in, 1, 100);
            ASSERT_GT(out, -32767) << effects << " + " << music;
            ASSERT_LT(out, 32767) << effects << " + " << music;
            ASSERT_GE(out, last) << effects << " + " << music;   // louder in, never quieter out
            if (std::abs(effects + music) <= MixKnee) {
                ASSERT_EQ(out, effects + music);
            }
            last = out;
        }
    }
    int16_t out = 0;
    const int16_t loud = 20000;
    mixMusic(&out, &loud, 1, 50);
    EXPECT_EQ(out, 10000);
}

} // namespace
