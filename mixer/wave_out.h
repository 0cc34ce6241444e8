// The wave-output device: the program's audio output (audio_output.h) seen
// the way the mixer wants a sound card: a device that is opened with a PCM
// format, plays the blocks written to it one after the other, counts the
// bytes it has played and hands every block back when it is done with it.
// There is one such device (id 0; -1 names it too, as "the default"), and
// it can be open once at a time.
//
// Blocks are played on the output's own thread (SDL's, or the virtual
// output's). A block played to its end is handed back right there, on that
// thread with audioLock() held, so that the mixer can write the next one
// while the event thread sleeps. Blocks handed back by a reset are told to
// the thread that opened the device (the Qt event thread), later, as a
// queued call.
#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "mixer/wave_format.h"

class QObject;

// Results, numbered as the old wave-out interface numbered them.
enum : int {
    WaveOk = 0,
    WaveBadDeviceId = 2,
    WaveAllocated = 4,        // already open
    WaveInvalidParam = 11,
    WaveBadFormat = 32,
    WaveUnprepared = 34,
};

// Block header flags.
enum : uint32_t { WaveDone = 1, WavePrepared = 2, WaveInQueue = 16 };

struct WaveHeader {
    uint8_t* data = nullptr;
    uint32_t length = 0;
    std::atomic<uint32_t> flags{0};   // the device sets WaveDone when it hands the block back
    WaveHeader* next = nullptr;       // the device's own: the block written after it
};

struct WaveOutCaps {
    std::string name;
    int channels = 0;
};

// Number of devices: 1 while the program has an audio output, else 0.
int waveOutDeviceCount();
// Name and channels of device `id` (0, or -1 for the default); false for no such device.
bool waveOutGetCaps(int id, WaveOutCaps& caps);
// Whether device `id` plays `format` (PCM, 1 or 2 channels, 8 or 16 bits).
// Answered here, without opening anything.
bool waveOutSupports(int id, const WaveFormat& format);

class WaveOut {
public:
    // Opens device `id` for `format`; blockDone runs each time a block is
    // handed back (see above for on which thread). Returns a result code.
    static int open(int id, const WaveFormat& format, std::function<void()> blockDone,
        std::unique_ptr<WaveOut>& device);
    ~WaveOut();   // resets, then closes

    int prepare(WaveHeader& header);
    void unprepare(WaveHeader& header);
    // Queues a prepared block behind those already written.
    int write(WaveHeader& header);
    // Bytes played from blocks since the device was opened or last reset.
    int64_t position();
    void pause();
    void restart();
    // Stops, hands back every queued block, and starts counting again at 0.
    void reset();
    const WaveFormat& format() const { return format_; }

    // The output's side, with audioLock() held: the next n bytes of the
    // stream, silence while paused or when no block is queued.
    void render(uint8_t* out, size_t n);

private:
    WaveOut(const WaveFormat& format, std::function<void()> blockDone);
    void handBack(WaveHeader* header);

    WaveFormat format_;
    std::function<void()> blockDone_;
    QObject* notices_;   // lives on the opening thread; queued notices die with it
    WaveHeader* first_ = nullptr;   // the blocks written, in order: nothing is allocated to queue one
    WaveHeader* last_ = nullptr;
    uint32_t played_ = 0;   // bytes of the first queued block already played
    int64_t position_ = 0;
    bool paused_ = false;
};

// For measuring: told after each render of the open device, on the
// output's thread with audioLock() held, of the device position the render
// began at, its bytes, and the silence padded at their end because no
// block was queued (or the device was paused). Empty: nobody is told.
using RenderWatch = std::function<void(int64_t position, size_t bytes, size_t padded)>;
void setRenderWatch(RenderWatch watch);

// Runs `notice` on `to`'s thread, later (a queued call). Every notice of the
// mixer and its device goes this way; noticesRun() counts those that ran.
void postNotice(QObject* to, std::function<void()> notice);
uint64_t noticesRun();

// Guards the device, the mixer and the music source against the output's
// thread. It may be taken again by the thread holding it.
std::recursive_mutex& audioLock();
// The open device, or null; with audioLock() held.
WaveOut* openWaveOut();
