// The music stream of the program's audio output. A source makes the music
// on a thread of its own (the music thread), a batch at a time, well ahead
// of what is heard, into a ring of batches; the output only copies out of
// the ring. So whatever the making costs (a synth, a file, a soundfont
// read from disk), the output never waits for it.
//
// A new source is heard from its start once its first batch is made; the
// music playing before it, or music that is stopped, is faded out first
// (FadeMs), never cut.
#pragma once
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>

// The music's rate: 22050 frames a second, half the work of 44100 for
// little loss in tunes of General MIDI.
constexpr int musicSampleRate = 22050;
// A batch: 2048 frames (93 ms). The music thread keeps one to two batches
// made ahead of the output.
constexpr int musicBatch = 2048;
// How long a stopped or replaced tune takes to fall silent.
constexpr int musicFadeMs = 15;

class MusicSource {
public:
    virtual ~MusicSource() = default;
    // On the music thread: the next `frames` frames, interleaved stereo
    // 16-bit. False when the source has no more music: nothing was made,
    // and the music ends there as if it had been stopped.
    virtual bool make(int16_t* out, int frames) = 0;
    // On the music thread, every few milliseconds while it plays: the
    // output has played this many of its frames.
    virtual void heard(uint64_t /*frames*/) {}
};

// Plays `source` from its start; null stops the music. What plays now fades
// out first. The source replaced is let go on the music thread.
void setMusicSource(std::unique_ptr<MusicSource> source);
// Returns once the music thread has taken every source given so far, told
// it what has been heard, and made as far ahead as it may.
void waitForMusic();

// For measuring, since the last call: the longest time the music thread
// took over a source's first batch (which is made before anything of it is
// heard; the soundfont's loading included), over any later batch (which
// must be made while the one before it plays), and the frames the output
// found not yet made while a tune was heard.
struct MusicStats {
    double longestFirstMs = 0;
    double longestBatchMs = 0;
    uint64_t framesShort = 0;
};
MusicStats musicStats();

// The stream itself: one, held by the output (audio_output.cpp), its thread
// started with the first source.

class MusicStream {
public:
    ~MusicStream();
    // The event thread's side.
    void set(std::unique_ptr<MusicSource> source);
    void wait();
    MusicStats stats();
    // The output's side, on the one thread that plays it: whether music
    // sounds now, and its next frames (silence where none is made yet).
    bool live();
    void render(int16_t* out, int frames);
    // Between two outputs, while none plays: the next one begins with
    // nothing of what the last one was playing or fading, and the ring
    // is free for what is wanted now.
    void silence();

private:
    static constexpr int Batches = 2;
    void run();
    bool makeAhead(MusicSource& source, uint32_t tune, uint64_t from);

    // Between the music thread, which makes batches, and the output, which
    // takes frames. Every tune given has a number; each batch is marked
    // with the tune it belongs to, and `wanted_` is the tune to be heard.
    int16_t ring_[Batches][2 * musicBatch] = {};
    std::atomic<uint32_t> ringTune_[Batches] = {};
    std::atomic<uint64_t> made_{0}, taken_{0};   // frames, since the stream began
    std::atomic<uint32_t> wanted_{0};
    std::atomic<uint64_t> short_{0};
    std::atomic<int64_t> longestFirst_{0}, longestBatch_{0};   // ns

    // The output's own.
    uint32_t heard_ = 0;   // the tune it plays
    bool audible_ = false;
    int fade_ = -1;        // frames left of the fade, -1 when not fading

    // Between the event thread and the music thread.
    std::mutex lock_;
    std::condition_variable wake_, caughtUp_;
    uint32_t tunes_ = 0;
    std::unique_ptr<MusicSource> next_;
    bool changed_ = false;
    uint64_t asked_ = 0, answered_ = 0;   // rounds of the music thread wanted by wait(), and done
    bool quit_ = false;
    std::thread thread_;
};
