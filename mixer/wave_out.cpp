#include "mixer/wave_out.h"

#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <cstring>

#include "mixer/audio_backend.h"

namespace {
WaveOut* device = nullptr;
uint64_t run = 0;
RenderWatch watch;

bool validId(int id) { return id == -1 || (id >= 0 && id < waveOutDeviceCount()); }
}

int waveOutDeviceCount() { return audioOutputName().empty() ? 0 : 1; }

bool waveOutGetCaps(int id, WaveOutCaps& caps)
{
    if (!validId(id))
        return false;
    caps = {audioOutputName(), 2};
    return true;
}

bool waveOutSupports(int id, const WaveFormat& f)
{
    return validId(id) && f.formatTag == 1 && (f.channels == 1 || f.channels == 2)
        && (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.samplesPerSec >= 1000 && f.samplesPerSec <= 192000
        && f.blockAlign == f.channels * f.bitsPerSample / 8 && f.avgBytesPerSec == f.samplesPerSec * f.blockAlign;
}

WaveOut* openWaveOut() { return device; }

void setRenderWatch(RenderWatch w)
{
    std::lock_guard lock(audioLock());
    watch = std::move(w);
}

void postNotice(QObject* to, std::function<void()> notice)
{
    QMetaObject::invokeMethod(
        to,
        [notice = std::move(notice)] {
            ++run;
            notice();
        },
        Qt::QueuedConnection);
}

uint64_t noticesRun() { return run; }

int WaveOut::open(int id, const WaveFormat& format, std::function<void()> blockDone, std::unique_ptr<WaveOut>& out)
{
    if (!validId(id))
        return WaveBadDeviceId;
    if (!waveOutSupports(id, format))
        return WaveBadFormat;
    std::lock_guard lock(audioLock());
    if (device)
        return WaveAllocated;
    out.reset(device = new WaveOut(format, std::move(blockDone)));
    waveStreamOpens(format);
    return WaveOk;
}

WaveOut::WaveOut(const WaveFormat& format, std::function<void()> blockDone)
    : format_(format), blockDone_(std::move(blockDone)), notices_(new QObject)
{
}

WaveOut::~WaveOut()
{
    reset();
    {
        std::lock_guard lock(audioLock());
        device = nullptr;
    }
    delete notices_;
}

int WaveOut::prepare(WaveHeader& h)
{
    if (!h.data)
        return WaveInvalidParam;
    h.flags |= WavePrepared | WaveDone;
    return WaveOk;
}

void WaveOut::unprepare(WaveHeader& h) { h.flags &= ~WavePrepared; }

int WaveOut::write(WaveHeader& h)
{
    if (!(h.flags & WavePrepared))
        return WaveUnprepared;
    std::lock_guard lock(audioLock());
    h.flags = (h.flags & ~WaveDone) | WaveInQueue;
    h.next = nullptr;
    (last_ ? last_->next : first_) = &h;
    last_ = &h;
    return WaveOk;
}

int64_t WaveOut::position()
{
    std::lock_guard lock(audioLock());
    return position_;
}

void WaveOut::pause()
{
    std::lock_guard lock(audioLock());
    paused_ = true;
}

void WaveOut::restart()
{
    std::lock_guard lock(audioLock());
    paused_ = false;
}

void WaveOut::reset()
{
    std::lock_guard lock(audioLock());
    for (WaveHeader* h = first_; h; h = h->next) {
        handBack(h);
        postNotice(notices_, [this] { blockDone_(); });
    }
    first_ = last_ = nullptr;
    played_ = 0;
    position_ = 0;
}

void WaveOut::handBack(WaveHeader* h)
{
    h->flags = (h->flags & ~WaveInQueue) | WaveDone;
}

void WaveOut::render(uint8_t* out, size_t n)
{
    const int64_t from = position_;
    const size_t bytes = n;
    while (n > 0 && !paused_ && first_) {
        WaveHeader* h = first_;
        size_t take = std::min<size_t>(n, h->length - played_);
        std::memcpy(out, h->data + played_, take);
        out += take;
        n -= take;
        played_ += uint32_t(take);
        position_ += int64_t(take);
        if (played_ == h->length) {
            if (!(first_ = h->next))
                last_ = nullptr;
            played_ = 0;
            handBack(h);
            blockDone_();   // may write the next block: the loop plays it on
        }
    }
    std::memset(out, format_.bitsPerSample == 8 ? 128 : 0, n);
    if (watch)
        watch(from, bytes, n);
}
