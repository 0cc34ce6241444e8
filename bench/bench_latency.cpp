// How soon a sound cue is heard, whether the sound ever runs dry, and what
// the output's period costs, with the MIXER.INI shipped beside the program
// and the title tune playing from its cold start (the soundfont is put out
// of the page cache before the window opens), on each output it can open:
// SDL's dummy driver and the real-time virtual output.
//   - latency: from Play's return until the play's first byte leaves the
//     output's buffer: the end of the period that handed it over (SDL's
//     callback, a step of the virtual output), plus the frames ahead of it
//     in that period's buffer ÷ the rate; the worst of 60 cues, with the
//     mixer idle and busy with a long sound on another channel;
//   - blips spread: over typed lines, max − min of (blip start − its typing
//     step), a typing step being the moment its blip was queued;
//   - gaps: bytes the output padded with silence while a queued play
//     covered them, over ten of the game's longest pauses (500 ms each)
//     and the typing;
//   - callback: the longest and mean time the output took over a period in
//     which it mixed music, from the tune's first batch on, and the period
//     (the buffer each must fill).
// Two lines per output, its name last, then a note: how much faster than
// real time the output played (SDL's dummy driver sleeps whole
// milliseconds), and the music thread's longest batch.
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
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
#include "ui/music.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// A period the output played, as its watch tells it.
struct Period {
    Clock::time_point begin, end;
    bool music;
};

// What the output rendered of the wave stream, as the device's watch tells it.
struct Render {
    size_t period;      // the period it was handed over in
    int64_t offset;     // bytes of that period handed over before it
    int64_t position;   // device position of its first byte
    int64_t bytes;
    int64_t played;     // bytes taken from blocks; the rest was padding
};

// A play to be found in the renders: queued at `at`, its first byte at
// device position `position`.
struct Cue {
    Clock::time_point at;
    int64_t position;
};

// Every period and render of the output, from the moment it is made:
// before the window, and its title tune, start. Both watches run with
// audioLock() held.
class Measure {
public:
    Measure()
    {
        periods.reserve(1 << 18);
        renders.reserve(1 << 18);
        setOutputWatch([this](Clock::time_point begin, Clock::time_point end, bool music) {
            periods.push_back({begin, end, music});
            inPeriod_ = 0;
        });
        setRenderWatch([this](int64_t position, size_t bytes, size_t padded) {
            renders.push_back({periods.size(), inPeriod_, position, int64_t(bytes), int64_t(bytes - padded)});
            inPeriod_ += int64_t(bytes);
            if (padded && counting_)
                gaps_ += covered(position + int64_t(bytes - padded) + s_->posOffset, int64_t(padded));
        });
    }
    ~Measure()
    {
        setRenderWatch({});
        setOutputWatch({});
    }

    // The mixer whose plays are measured, once the window has made it.
    void use(TSoundMixer& sound)
    {
        MixLock lock(audioLock());
        sound_ = &sound;
        s_ = sound.session();
    }

    bool musicHeard()
    {
        MixLock lock(audioLock());
        return !periods.empty() && periods.back().music;
    }

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

    // The moment device position p left the output's buffer, if it did.
    std::optional<Clock::time_point> heard(int64_t p)
    {
        MixLock lock(audioLock());
        for (const Render& r : renders)
            if (r.position <= p && p < r.position + r.played && r.period < periods.size())
                return periods[r.period].end
                    + std::chrono::nanoseconds(int64_t(1e9 * double(r.offset + p - r.position) / s_->format.avgBytesPerSec));
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
            sound_->Play(0, cue);
            cues.push_back(newest(0));
        }
        wait(200);
        double worst = 0;
        for (const Cue& c : cues) {
            auto out = heard(c.position);
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
            auto out = heard(b.position);
            double ms = out ? msSince(b.at, *out) : 1e9;
            low = std::min(low, ms);
            high = std::max(high, ms);
        }
        std::printf("  %zu blips, %.1f to %.1f ms after their steps\n", blips.size(), low, high);
        return blips.empty() ? 1e9 : high - low;
    }

    void count(bool on) { counting_ = on; }
    int64_t gaps() const { return gaps_; }

    std::vector<Period> periods;
    std::vector<Render> renders;

private:
    TSoundMixer* sound_ = nullptr;
    MixSession* s_ = nullptr;
    int64_t inPeriod_ = 0;
    bool counting_ = false;
    int64_t gaps_ = 0;
};

// The soundfont the game will load, out of the page cache: the tune's cold start.
void evictSoundfont()
{
    for (const std::string& path : soundfontCandidates())
        if (const int fd = ::open(path.c_str(), O_RDONLY); fd >= 0) {
            posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
            ::close(fd);
            return;
        }
}

void run(const char* output)
{
    evictSoundfont();
    musicStats();   // counted from here
    Measure m;
    TForm1 form;
    form.show();
    QElapsedTimer started;
    started.start();
    while (!m.musicHeard() && started.elapsed() < 20000)
        Measure::wait(10);
    const double tuneMs = double(started.elapsed());
    Measure::wait(500);
    TSoundMixer& sound = *form.SoundMixer1;
    m.use(sound);
    MixWave* blip = sound.OpenWave(appDir() + "/dat/pi.wav");
    MixWave* long_ = sound.OpenWave(appDir() + "/dat/1.wav");
    const double idle = m.worstLatency(blip, 60, true);
    sound.Play(2, long_, {}, 0, 0xFFFF);
    const double busy = m.worstLatency(blip, 60, false);

    // The game's longest pause, ten times, then typing, with a long sound
    // playing throughout.
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

    MixLock lock(audioLock());
    double longest = 0, sum = 0, apart = 0;
    size_t n = 0;
    for (size_t i = 0; i < m.periods.size(); ++i)
        if (const Period& p = m.periods[i]; p.music) {
            const double ms = msSince(p.begin, p.end);
            longest = std::max(longest, ms);
            sum += ms;
            ++n;
            apart = std::max(apart, i ? msSince(m.periods[i - 1].end, p.end) : 0.0);
        }
    // The period: the wave stream a period hands over, in time; against the
    // time the periods took, how much faster than real time the output played.
    const size_t first = m.renders.front().period;
    size_t last = first;
    int64_t bytes = 0;
    for (const Render& r : m.renders)
        if (r.period > first && r.period < m.periods.size()) {
            bytes += r.bytes;
            last = r.period;
        }
    const double played = 1000 * double(bytes) / sound.session()->format.avgBytesPerSec;
    const MusicStats music = musicStats();
    std::printf("callback: longest %.2f ms, mean %.3f ms over %zu callbacks with the music live (period %.1f ms) %s\n",
        longest, n ? sum / double(n) : 0.0, n, played / double(std::max<size_t>(last - first, 1)), output);
    std::printf("  %s: plays %.1f %% faster than real time, its periods ending %.1f ms apart at most; "
                "the tune heard %.0f ms after the window opened; "
                "music thread: a tune's first batch in %.1f ms at most (soundfont from disk), a later one in %.1f ms "
                "(each is %.1f ms of music), %llu frames short\n",
        output, 100 * (played / msSince(m.periods[first].end, m.periods[last].end) - 1), apart, tuneMs,
        music.longestFirstMs, music.longestBatchMs, 1000.0 * musicBatch / musicSampleRate,
        static_cast<unsigned long long>(music.framesShort));
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
