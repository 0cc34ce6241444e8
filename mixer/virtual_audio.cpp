// The virtual output: no sound card, the streams are pulled by hand (tests)
// or by a thread of its own in real time (a machine without sound).
#include "mixer/virtual_audio.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "mixer/audio_backend.h"
#include "mixer/wave_out.h"

namespace {

class VirtualBackend : public AudioBackend {
public:
    VirtualBackend(VirtualAudio mode, std::string name);
    ~VirtualBackend() override;
    std::string name() const override { return name_; }
    // With audioLock() held.
    void play(size_t bytes);
    void playFor(std::chrono::microseconds time);

    std::vector<uint8_t> wave;
    std::vector<int16_t> music;

private:
    void run();

    std::string name_;
    bool record_;
    std::vector<uint8_t> waveBuffer_;
    std::vector<int16_t> musicBuffer_;
    uint64_t musicDue_ = 0;   // bytes played × music rate, not yet made into frames
    uint64_t waveDue_ = 0;    // microseconds × bytes per second, not yet played
    std::thread thread_;
    std::mutex stopLock_;
    std::condition_variable stopped_;
    bool stop_ = false;
};

VirtualBackend* manual = nullptr;

// The real-time output plays what is due every 5 ms, as a sound card with
// a short buffer would.
constexpr int Period = 5;

VirtualBackend& manualOutput()
{
    if (!manual)
        throw std::logic_error("the virtual output is not the manual one");
    return *manual;
}

WaveFormat streamFormat()
{
    WaveOut* device = openWaveOut();
    return device ? device->format() : WaveFormat{};
}

VirtualBackend::VirtualBackend(VirtualAudio mode, std::string name)
    : name_(std::move(name)), record_(mode == VirtualAudio::Manual)
{
    if (record_)
        manual = this;
    else
        thread_ = std::thread([this] { run(); });
}

VirtualBackend::~VirtualBackend()
{
    if (thread_.joinable()) {
        {
            std::lock_guard guard(stopLock_);
            stop_ = true;
        }
        stopped_.notify_one();
        thread_.join();
    }
    if (manual == this)
        manual = nullptr;
}

void VirtualBackend::play(size_t bytes)
{
    const auto begin = std::chrono::steady_clock::now();
    WaveFormat format = streamFormat();
    waveBuffer_.resize(bytes);
    if (WaveOut* device = openWaveOut())
        device->render(waveBuffer_.data(), bytes);
    else
        std::memset(waveBuffer_.data(), format.bitsPerSample == 8 ? 128 : 0, bytes);
    applyVolume(waveBuffer_.data(), bytes, format.bitsPerSample, waveVolume());
    if (record_)
        wave.insert(wave.end(), waveBuffer_.begin(), waveBuffer_.end());

    // The music of the same time. Played by hand, the music thread is let
    // catch up first, and again after each batch, as if it were never late.
    if (record_)
        waitForMusic();
    const bool live = musicLive();
    if (live) {
        musicDue_ += uint64_t(bytes) * musicSampleRate;
        const int frames = int(musicDue_ / format.avgBytesPerSec);
        musicDue_ %= format.avgBytesPerSec;
        musicBuffer_.resize(2 * size_t(frames));
        for (int done = 0; done < frames; done += musicBatch) {
            if (record_ && done > 0)
                waitForMusic();
            renderMusic(musicBuffer_.data() + 2 * done, std::min(musicBatch, frames - done));
        }
        applyVolume(musicBuffer_.data(), musicBuffer_.size() * 2, 16, musicVolume());
        if (record_)
            music.insert(music.end(), musicBuffer_.begin(), musicBuffer_.end());
    }
    if (record_)
        waitForMusic();   // the music thread hears what was played
    watchOutput(begin, live);
}

void VirtualBackend::playFor(std::chrono::microseconds time)
{
    WaveFormat format = streamFormat();
    waveDue_ += uint64_t(time.count()) * format.avgBytesPerSec;
    uint64_t bytes = waveDue_ / 1000000;
    bytes -= bytes % format.blockAlign;
    waveDue_ -= bytes * 1000000;
    play(size_t(bytes));
}

// One period at each tick of a steady clock; a late wake catches up at once.
void VirtualBackend::run()
{
    using namespace std::chrono;
    auto due = steady_clock::now();
    std::unique_lock stopGuard(stopLock_);
    while (!stopped_.wait_until(stopGuard, due += milliseconds(Period), [this] { return stop_; })) {
        std::lock_guard guard(audioLock());
        playFor(milliseconds(Period));
    }
}

} // namespace

std::unique_ptr<AudioBackend> openVirtualBackend(VirtualAudio mode, const std::string& name)
{
    return std::make_unique<VirtualBackend>(mode, name);
}

void virtualPlay(size_t bytes)
{
    VirtualBackend& out = manualOutput();
    std::lock_guard guard(audioLock());
    out.play(bytes);
}

void virtualDeliver()
{
    waitForMusic();
    // Notices post notices (a block handed back ends a play): go on until a
    // round runs none.
    for (uint64_t before = ~uint64_t(0); before != noticesRun();) {
        before = noticesRun();
        QCoreApplication::sendPostedEvents();
    }
}

const std::vector<uint8_t>& virtualWaveCapture() { return manualOutput().wave; }
const std::vector<int16_t>& virtualMusicCapture() { return manualOutput().music; }

void virtualClearCapture()
{
    manualOutput().wave.clear();
    manualOutput().music.clear();
}
