// How soon a sound cue is heard, and whether the sound ever runs dry, with
// the MIXER.INI shipped beside the program, on each output it can open:
// SDL's dummy driver and the real-time virtual output.
//   - latency: from Play's return until the output hands out the play's
//     first byte (the render's start + the byte's offset in it ÷ the rate),
//     the worst of 60 cues, with the mixer idle and busy with a long sound
//     on another channel;
//   - blips spread: over typed lines, max − min of (blip start − its typing
//     step), a typing step being the moment its blip was queued;
//   - gaps: bytes the output padded with silence while a queued play
//     covered them, over ten of the game's longest pauses (500 ms each)
//     and the typing.
// One line per output, its name last.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>
#include <random>
#include <vector>

#include "core/clock.h"
#include "core/paths.h"
#include "core/state.h"
#include "core/text.h"
#include "mixer/audio_output.h"
#include "mixer/mix_internal.h"
#include "mixer/sound_mixer.h"
#include "ui/form1.h"
#include "ui/message.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// What the output rendered, as the device's watch tells it.
struct Render {
    Clock::time_point at;
    int64_t position;   // device position of its first byte
    int64_t played;     // bytes taken from blocks; the rest was padding
};

// A play to be found in the renders: queued at `at`, its first byte at
// device position `position`.
struct Cue {
    Clock::time_point at;
    int64_t position;
};

class Measure {
public:
    explicit Measure(TSoundMixer& sound) : sound_(sound), s_(sound.session())
    {
        renders_.reserve(1 << 18);
        setRenderWatch([this](int64_t position, size_t bytes, size_t padded) {
            renders_.push_back({Clock::now(), position, int64_t(bytes - padded)});
            if (padded && counting_)
                gaps_ += covered(position + int64_t(bytes - padded) + s_->posOffset, int64_t(padded));
        });
    }
    ~Measure() { setRenderWatch({}); }

    // Bytes of [from, from + n) (stream positions) that some queued play covers.
    int64_t covered(MixPos from, int64_t n) const
    {
        int64_t count = 0;
        for (MixPos x = from; x < from + n; ++x) {
            bool inPlay = false;
            for (int ch = 0; ch < 8 && !inPlay; ++ch)
                for (MixPlayEntry* e = s_->queue[ch]; e && !inPlay; e = e->next)
                    inPlay = e->start <= x && x < e->end;
            count += inPlay;
        }
        return count;
    }

    // Runs the event loop for ms milliseconds.
    static void wait(int ms)
    {
        QEventLoop loop;
        QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
        loop.exec();
    }

    bool channelIdle(int ch)
    {
        MixLock lock(audioLock());
        return !s_->queue[ch];
    }

    bool allIdle()
    {
        MixLock lock(audioLock());
        bool idle = !mixer.queueHead;
        for (int ch = 0; ch < 8; ++ch)
            idle = idle && !s_->queue[ch];
        return idle;
    }

    // The newest play of a channel, as a cue queued now.
    Cue newest(int ch)
    {
        MixLock lock(audioLock());
        MixPlayEntry* e = s_->queue[ch];
        while (e && e->next)
            e = e->next;
        return {Clock::now(), e ? e->start - s_->posOffset : -1};
    }

    // The moment the output handed out device position p, if it did.
    std::optional<Clock::time_point> handedOut(int64_t p)
    {
        MixLock lock(audioLock());
        for (const Render& r : renders_)
            if (r.position <= p && p < r.position + r.played)
                return r.at + std::chrono::nanoseconds(int64_t(1e9 * double(p - r.position) / s_->format.avgBytesPerSec));
        return std::nullopt;
    }

    // The worst latency of `count` cues on channel 0, each once the
    // previous one has ended (and, idle, once the device has run dry).
    double worstLatency(MixWave* cue, int count, bool idle)
    {
        std::mt19937 random(7);
        std::vector<Cue> cues;
        for (int i = 0; i < count; ++i) {
            while (idle ? !allIdle() : !channelIdle(0))
                wait(2);
            wait(int(random() % 12));   // any moment between two renders
            sound_.Play(0, cue);
            cues.push_back(newest(0));
        }
        wait(200);
        double worst = 0;
        for (const Cue& c : cues) {
            auto out = handedOut(c.position);
            worst = std::max(worst, out ? msSince(c.at, *out) : 1e9);
        }
        return worst;
    }

    // Types lines as the game does, noting each blip as its step queues it.
    double blipSpread()
    {
        std::vector<Cue> blips;
        MixPlayEntry* last = nullptr;
        QTimer watchSteps;   // runs inside each typing step's pump
        QObject::connect(&watchSteps, &QTimer::timeout, [&] {
            MixLock lock(audioLock());
            MixPlayEntry* e = s_->queue[1];
            while (e && e->next)
                e = e->next;
            if (e && e != last && (blips.empty() || e->start - s_->posOffset != blips.back().position))
                blips.push_back({Clock::now(), e->start - s_->posOffset});
            last = e;
        });
        watchSteps.start(0);
        for (int i = 0; i < 4; ++i)
            typeLine("死者の国の道は長い。一歩ごとに死のエネルギーが減っていく。"_sj);
        watchSteps.stop();
        wait(300);
        double low = 1e9, high = -1e9;
        for (const Cue& b : blips) {
            auto out = handedOut(b.position);
            double ms = out ? msSince(b.at, *out) : 1e9;
            low = std::min(low, ms);
            high = std::max(high, ms);
        }
        std::printf("  %zu blips, %.1f to %.1f ms after their steps\n", blips.size(), low, high);
        return blips.empty() ? 1e9 : high - low;
    }

    void count(bool on) { counting_ = on; }
    int64_t gaps() const { return gaps_; }

private:
    TSoundMixer& sound_;
    MixSession* s_;
    std::vector<Render> renders_;
    bool counting_ = false;
    int64_t gaps_ = 0;
};

void run(const char* output)
{
    TForm1 form;
    form.show();
    Measure::wait(500);
    TSoundMixer& sound = *form.SoundMixer1;
    MixWave* blip = sound.OpenWave(appDir() + "/dat/pi.wav");
    MixWave* long_ = sound.OpenWave(appDir() + "/dat/1.wav");
    {
        Measure m(sound);
        const double idle = m.worstLatency(blip, 60, true);
        sound.Play(2, long_, {}, 0, 0xFFFF);
        const double busy = m.worstLatency(blip, 60, false);

        // The game's longest pause, ten times, then typing, with a long
        // sound playing throughout.
        m.count(true);
        QElapsedTimer paused;
        paused.start();
        for (int i = 0; i < 10; ++i)
            pauseMs(500);
        const double seconds = double(paused.elapsed()) / 1000;
        const double spread = m.blipSpread();
        m.count(false);
        sound.FreeWave(long_);
        sound.FreeWave(blip);
        std::printf("latency: idle %.1f ms, busy %.1f ms, blips spread %.1f ms, gaps %lld over %.1f s of pauses %s\n",
            idle, busy, spread, static_cast<long long>(m.gaps()), seconds, output);
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setAppDir(MIRUHE_BUILD_DIR);
    setPauseScale(1);

    qputenv("SDL_AUDIODRIVER", "dummy");
    if (useSdlAudio())
        run("sdl-dummy");
    else
        std::printf("latency: n/a sdl-dummy\n");
    useVirtualAudio(VirtualAudio::RealTime);
    run("virtual-realtime");
    closeAudio();
    return 0;
}
