#include "mixer/music_stream.h"

#include <pthread.h>

#include <algorithm>
#include <chrono>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int FadeFrames = musicSampleRate * musicFadeMs / 1000;
// How often the music thread looks at what the output has taken: the
// output's own period is 5 to 12 ms.
constexpr auto Look = std::chrono::milliseconds(5);
}

MusicStream::~MusicStream()
{
    {
        std::lock_guard guard(lock_);
        quit_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable())
        thread_.join();
}

void MusicStream::set(std::unique_ptr<MusicSource> source)
{
    {
        std::lock_guard guard(lock_);
        if (!thread_.joinable())
            thread_ = std::thread([this] { run(); });
        wanted_ = ++tunes_;
        next_.swap(source);
        changed_ = true;
    }
    wake_.notify_one();
    // `source` now holds a source given before that never began, if any: it goes here.
}

void MusicStream::wait()
{
    std::unique_lock guard(lock_);
    if (!thread_.joinable())
        return;
    const uint64_t round = ++asked_;
    wake_.notify_one();
    caughtUp_.wait(guard, [&] { return answered_ >= round; });
}

MusicStats MusicStream::stats()
{
    return {double(longestFirst_.exchange(0)) / 1e6, double(longestBatch_.exchange(0)) / 1e6, short_.exchange(0)};
}

// The music thread: takes each new source, tells the one playing how far it
// has been heard, and keeps the ring full of it.
void MusicStream::run()
{
    pthread_setname_np(pthread_self(), "miruhe-music");
    std::unique_ptr<MusicSource> source;
    uint32_t tune = 0;
    uint64_t from = 0;   // the source's first frame in the stream
    std::unique_lock guard(lock_);
    while (!quit_) {
        if (changed_) {
            changed_ = false;
            std::unique_ptr<MusicSource> old = std::move(source);
            source = std::move(next_);
            tune = tunes_;
            from = made_;
            guard.unlock();
            old.reset();
            guard.lock();
            continue;
        }
        const uint64_t round = asked_;
        guard.unlock();
        bool ended = false;
        if (source) {
            // What the output took counts for this source only while it is
            // still the one wanted: frames passed over for a newer one were not heard.
            const uint64_t taken = taken_;
            if (wanted_ == tune && taken > from)
                source->heard(taken - from);
            ended = !makeAhead(*source, tune, from);
        }
        guard.lock();
        if (ended && !changed_) {   // as if stopped
            wanted_ = ++tunes_;
            changed_ = true;
        }
        answered_ = round;
        caughtUp_.notify_all();
        wake_.wait_for(guard, Look, [this] { return quit_ || changed_ || asked_ != answered_; });
    }
}

// Makes batches while the ring has room for one and the tune is still wanted.
bool MusicStream::makeAhead(MusicSource& source, uint32_t tune, uint64_t from)
{
    while (wanted_ == tune && made_ - taken_ <= uint64_t((Batches - 1) * musicBatch)) {
        const uint64_t at = made_;
        const int slot = int(at / musicBatch % Batches);
        const auto begin = Clock::now();
        if (!source.make(ring_[slot], musicBatch))
            return false;
        const int64_t took = std::chrono::nanoseconds(Clock::now() - begin).count();
        std::atomic<int64_t>& longest = at == from ? longestFirst_ : longestBatch_;
        if (took > longest)
            longest = took;
        ringTune_[slot].store(tune, std::memory_order_relaxed);
        made_.store(at + musicBatch, std::memory_order_release);
    }
    return true;
}

bool MusicStream::live()
{
    const uint32_t want = wanted_.load(std::memory_order_acquire);
    if (audible_ && heard_ != want && fade_ < 0)
        fade_ = FadeFrames;
    if (!audible_) {
        // Passes over what was made for any other tune, up to the wanted
        // one's first batch, and hears it from there.
        const uint64_t made = made_.load(std::memory_order_acquire);
        uint64_t at = taken_.load(std::memory_order_relaxed);
        while (at < made && ringTune_[at / musicBatch % Batches].load(std::memory_order_relaxed) != want)
            at = (at / musicBatch + 1) * musicBatch;
        taken_.store(at, std::memory_order_release);
        if (at < made) {
            audible_ = true;
            heard_ = want;
            fade_ = -1;
        }
    }
    return audible_;
}

void MusicStream::silence()
{
    audible_ = false;
    fade_ = -1;
    taken_.store(made_.load(std::memory_order_acquire), std::memory_order_release);
}

void MusicStream::render(int16_t* out, int frames)
{
    const uint64_t made = made_.load(std::memory_order_acquire);
    uint64_t at = taken_.load(std::memory_order_relaxed);
    int done = 0;
    while (done < frames && audible_) {
        const int slot = int(at / musicBatch % Batches);
        if (at == made || ringTune_[slot].load(std::memory_order_relaxed) != heard_) {
            if (fade_ >= 0) {   // the tune's frames end within its fade
                audible_ = false;
                fade_ = -1;
            } else {
                short_ += uint64_t(frames - done);
            }
            break;
        }
        int n = int(std::min<uint64_t>({uint64_t(frames - done), musicBatch - at % musicBatch, made - at}));
        const int16_t* from = ring_[slot] + 2 * (at % musicBatch);
        int16_t* to = out + 2 * done;
        if (fade_ < 0) {
            std::copy_n(from, 2 * n, to);
        } else {
            n = std::min(n, fade_);
            for (int i = 0; i < 2 * n; ++i)
                to[i] = int16_t(from[i] * (fade_ - i / 2) / FadeFrames);
            fade_ -= n;
            if (fade_ == 0) {
                audible_ = false;
                fade_ = -1;
            }
        }
        at += uint64_t(n);
        done += n;
    }
    std::fill(out + 2 * done, out + 2 * frames, int16_t(0));
    taken_.store(at, std::memory_order_release);
}
