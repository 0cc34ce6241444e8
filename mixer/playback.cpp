// Channels, their play queues, and the blocks mixed ahead of the device.
#include <QCoreApplication>
#include <algorithm>
#include <cstring>

#include "mixer/mix_internal.h"

namespace {

void checkChannel(int n)
{
    if (n < 0 || n > 7)
        throw EMixerError("Invalid channel number");
}

MixPlayEntry* takeEntry()
{
    MixPlayEntry* e = mixer.freeEntries;
    if (!e)
        throw EMixerError("Not enough memory");
    mixer.freeEntries = e->next;
    e->next = nullptr;
    return e;
}

// The waiting ring, held through its newest entry.
void pushWaiting(MixSession* s, MixPlayEntry* e)
{
    MixPlayEntry*& last = s->waitingLast;
    e->next = last ? last->next : e;
    if (last)
        last->next = e;
    last = e;
}

MixPlayEntry* popWaiting(MixSession* s)
{
    MixPlayEntry*& last = s->waitingLast;
    MixPlayEntry* first = last->next;
    if (first == last)
        last = nullptr;
    else
        last->next = first->next;
    first->next = nullptr;
    return first;
}

void clearQueue(MixSession* s, int ch)
{
    while (MixPlayEntry* e = s->queue[ch]) {
        s->queue[ch] = e->next;
        releaseEntry(e);
    }
}

void queueAppend(MixBlock* b)
{
    b->next = nullptr;
    (mixer.queueTail ? mixer.queueTail->next : mixer.queueHead) = b;
    mixer.queueTail = b;
}

void queueRemove(MixBlock* b)
{
    MixBlock* prev = nullptr;
    for (MixBlock* q = mixer.queueHead; q != b; q = q->next)
        prev = q;
    (prev ? prev->next : mixer.queueHead) = b->next;
    if (mixer.queueTail == b)
        mixer.queueTail = prev;
}

// Blocks written earlier are forgotten (the device still has them).
void queueForget()
{
    for (MixBlock* b = mixer.queueHead; b; b = b->next)
        b->free = true;
    mixer.queueHead = mixer.queueTail = nullptr;
}

// Writes a block of the device queue to the device.
void sendBlock(MixSession* s, MixBlock* b)
{
    if (s->device->write(b->header) != WaveOk) {
        b->free = true;
        queueRemove(b);
        throw EMixerError("Failed to write block to device");
    }
}

MixBlock* takeFreeBlock(MixSession* s)
{
    for (int i = 0; i < s->blocks; ++i) {
        MixBlock& b = mixer.blocks[i];
        if (b.free) {
            b.free = false;
            b.header.length = s->blockLen;
            return &b;
        }
    }
    return nullptr;
}

void notify(MixPlayEntry* e)
{
    if (e->params.notify)
        postNotice(QCoreApplication::instance(),
            [tell = e->params.notify, channel = e->params.channel, wave = e->wave] { tell(channel, wave); });
}

// Mixes again from `start`, so that a change to the queues is heard at
// once: the blocks written are taken back, filled anew and written again
// from what is heard now. In shift mode nothing is re-mixed: a late play
// is moved to the end of what is already mixed.
void remix(MixSession* s, MixPos start, MixPlayEntry* entry)
{
    if (s->shiftMode) {
        if (entry) {
            // A play queued behind an endless one (start and end +∞) comes
            // down to nothing at M; an end pushed past the last position
            // stays endless.
            MixPos later = s->mixPos - entry->start;
            entry->start += later;
            if (__builtin_add_overflow(entry->end, later, &entry->end))
                entry->end = MixForever;
        }
        refill();
        return;
    }
    s->device->pause();   // it must not read the blocks while they are mixed again
    s->mixPos = start;
    queueForget();
    while (MixBlock* b = takeFreeBlock(s)) {
        if (!fillBlock(s, b, false)) {
            b->free = true;
            break;
        }
        queueAppend(b);
    }
    MixPos mixed = s->mixPos;
    resetDevice(s);
    s->mixPos = mixed;
    for (MixBlock* b = mixer.queueHead; b;) {
        MixBlock* next = b->next;
        sendBlock(s, b);
        b = next;
    }
    s->device->restart();
}

} // namespace

void linkPool()
{
    mixer.freeEntries = nullptr;
    for (MixPlayEntry& e : mixer.pool)
        releaseEntry(&e);
}

void releaseEntry(MixPlayEntry* e)
{
    *e = MixPlayEntry{};
    e->next = mixer.freeEntries;
    mixer.freeEntries = e;
}

void openBlocks(MixSession* s)
{
    mixer.blocks = new (std::nothrow) MixBlock[MixBlockCount];
    if (!mixer.blocks)
        throw EMixerError(MixOutOfMemory);
    for (int i = 0; i < MixBlockCount; ++i) {
        MixBlock& b = mixer.blocks[i];
        b.header.data = b.data;
        b.header.length = MixBlockBytes;
        if (int result = s->device->prepare(b.header)) {
            closeBlocks(s);
            throw EMixerError("Unable to prepare wave header #" + std::to_string(result));
        }
    }
}

void closeBlocks(MixSession* s)
{
    queueForget();
    for (int i = 0; i < MixBlockCount; ++i)
        s->device->unprepare(mixer.blocks[i].header);
    delete[] mixer.blocks;
    mixer.blocks = nullptr;
}

// The clone for the processor is picked while the program loads, before a
// ThreadSanitizer's runtime is ready to watch it: that build has one loop.
#if defined(__SANITIZE_THREAD__)
#define MIX_CLONES
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define MIX_CLONES
#endif
#endif
#ifndef MIX_CLONES
#define MIX_CLONES __attribute__((target_clones("avx2", "default")))
#endif

// Each byte: 128 + the sum of (source - 128), clamped. Runs of a fixed
// length are summed in 16 bits, one source at a time, in loops the
// compiler vectorises (with AVX2 where the processor has it).
MIX_CLONES void mixSum(
    uint8_t* out, const uint8_t* const* src, int k, size_t n)
{
    constexpr size_t Run = 256;
    const int bias = 128 * (k - 1);
    size_t at = 0;
    for (; at + Run <= n; at += Run) {
        int16_t sum[Run];
        for (size_t i = 0; i < Run; ++i)
            sum[i] = int16_t(src[0][at + i] - bias);
        for (int j = 1; j < k; ++j)
            for (size_t i = 0; i < Run; ++i)
                sum[i] = int16_t(sum[i] + src[j][at + i]);
        for (size_t i = 0; i < Run; ++i)
            out[at + i] = uint8_t(std::clamp<int16_t>(sum[i], 0, 255));
    }
    for (; at < n; ++at) {
        int sum = -bias;
        for (int j = 0; j < k; ++j)
            sum += src[j][at];
        out[at] = uint8_t(std::clamp(sum, 0, 255));
    }
}

bool fillBlock(MixSession* s, MixBlock* b, bool write)
{
    // The sources: each open channel's first play that has not ended by M.
    const MixPos M = s->mixPos;
    MixPlayEntry* sources[8];
    int count = 0;
    MixPos next = MixForever;   // the earliest start among them
    for (int ch = 0; ch < 8; ++ch) {
        if (!s->channelOpen[ch])
            continue;
        MixPlayEntry* e = s->queue[ch];
        while (e && e->end <= M)
            e = e->next;
        if (e) {
            sources[count++] = e;
            next = std::min(next, e->start);
        }
    }
    if (count == 0) {
        if (write)
            b->free = true;
        return false;
    }

    uint8_t* out = b->data;
    MixPos a = M, left = s->blockLen;
    while (left > 0) {
        if (a < next) {
            MixPos n = std::min(left, next - a);
            std::memset(out, 128, size_t(n));
            out += n;
            a += n;
            left -= n;
            continue;
        }
        // A run in which no source starts, ends or loops.
        MixPos e = a + left;
        const uint8_t* from[8];
        int k = 0;
        for (int i = 0; i < count; ++i) {
            MixPlayEntry* p = sources[i];
            if (p->start > a) {
                e = std::min(e, p->start);
                continue;
            }
            e = std::min(e, p->end);
            MixPos offset = a - p->start;
            if (p->params.loops != 0) {
                offset %= p->length;
                e = std::min(e, a + p->length - offset);
            }
            from[k++] = p->data + offset;
        }
        size_t n = size_t(e - a);
        if (k == 1)
            std::memcpy(out, from[0], n);
        else
            mixSum(out, from, k, n);
        out += n;
        left -= e - a;
        a = e;
        // Move each source on past the plays that have ended.
        next = MixForever;
        int kept = 0;
        for (int i = 0; i < count; ++i) {
            MixPlayEntry* p = sources[i];
            while (p && a >= p->end)
                p = p->next;
            if (p) {
                sources[kept++] = p;
                next = std::min(next, p->start);
            }
        }
        count = kept;
    }
    b->start = M;
    s->mixPos = M + s->blockLen;
    if (write) {
        queueAppend(b);
        sendBlock(s, b);
    }
    return true;
}

void fillAndWrite(MixSession* s)
{
    while (MixBlock* b = takeFreeBlock(s))
        if (!fillBlock(s, b, true))
            break;
}

void refill()
{
    MixSession* s = mixer.owner;
    if (!s)
        return;
    for (MixBlock* b = mixer.queueHead; b;) {
        MixBlock* next = b->next;
        if (b->header.flags & WaveDone) {
            queueRemove(b);
            b->free = true;
        }
        b = next;
    }
    // Plays heard to their end are told so and go back to the pool.
    MixPos p = devicePosition(s) + s->posOffset;
    for (int ch = 0; ch < 8; ++ch) {
        while (s->channelOpen[ch] && s->queue[ch] && s->queue[ch]->end <= p) {
            MixPlayEntry* e = s->queue[ch];
            s->queue[ch] = e->next;
            notify(e);
            releaseEntry(e);
        }
    }
    fillAndWrite(s);
}

void removeWavePlays(MixSession* s, MixWave* wave)
{
    for (int ch = 0; ch < 8; ++ch) {
        if (!s->channelOpen[ch])
            continue;
        for (MixPlayEntry** link = &s->queue[ch]; *link;) {
            MixPlayEntry* e = *link;
            if (e->wave == wave) {
                *link = e->next;
                releaseEntry(e);
            } else {
                link = &e->next;
            }
        }
    }
    // Waiting plays of the wave go too: they would play freed memory.
    int waiting = 0;
    for (MixPlayEntry* e = s->waitingLast; e && (e != s->waitingLast || waiting == 0); e = e->next)
        ++waiting;
    while (waiting-- > 0) {
        MixPlayEntry* e = popWaiting(s);
        if (e->wave == wave)
            releaseEntry(e);
        else
            pushWaiting(s, e);
    }
}

void MixerOpenChannel(MixSession* session, int n, int mode)
{
    MixLock lock(audioLock());
    MixSession* s = checkSession(session);
    if (mode > MixOpenFirst)
        throw EMixerError("Invalid Flags");
    if (mode < 0)
        throw EMixerError("Invalid flag");
    auto open = [s](int ch) {
        s->channelOpen[ch] = true;
        s->queue[ch] = nullptr;
        ++s->openChannels;
    };
    if (mode == MixOpenOne) {
        checkChannel(n);
        if (s->channelOpen[n])
            throw EMixerError("The channel has already been opened");
        open(n);
        return;
    }
    if (mode == MixOpenFirst && (n < 1 || n > 8))
        throw EMixerError("Invalid number of channels");
    for (int ch = mode == MixOpenAll ? 7 : n - 1; ch >= 0; --ch)
        if (!s->channelOpen[ch])
            open(ch);
}

void MixerFlushChannel(MixSession* session, int n, int flags)
{
    MixLock lock(audioLock());
    MixSession* s = checkSession(session);
    int first = 0, last = 7;
    if (!(flags & MixFlushAll)) {
        checkChannel(n);
        if (!s->channelOpen[n])
            throw EMixerError("The specified channel was not open");
        first = last = n;
    }
    bool dropped = false;
    for (int ch = first; ch <= last; ++ch) {
        if (s->channelOpen[ch] && s->queue[ch]) {
            clearQueue(s, ch);
            dropped = true;
        }
    }
    if (dropped && !(flags & MixFlushNoRemix) && s->active)
        remix(s, currentPosition(s), nullptr);
}

void MixerCloseChannel(MixSession* session, int n, int mode)
{
    MixLock lock(audioLock());
    MixSession* s = checkSession(session);
    bool all = mode & MixCloseAll;
    MixerFlushChannel(s, n, (all ? MixFlushAll : 0) | MixFlushNoRemix);
    for (int ch = all ? 0 : n; ch <= (all ? 7 : n); ++ch) {
        if (s->channelOpen[ch]) {
            s->channelOpen[ch] = false;
            --s->openChannels;
        }
    }
}

void MixerPlay(MixPlayParams* params)
{
    MixLock lock(audioLock());
    if (!params)
        throw EMixerError("nil parameters pointer passed to MixerPlay");
    MixSession* s = checkSession(params->session);
    if (!params->wave)
        throw EMixerError("nil wave pointer passed to MixerPlay!");
    if (!s->active)
        throw EMixerError("Wave device not allocated, call MixerActivate(hMixSession,TRUE)");
    if (s->openChannels == 0)
        throw EMixerError("You must open a channel before you can play a wave");

    int ch = params->channel;
    if (params->flags & MixUseLruChannel) {
        // An idle channel 0 wins; else the open channel played on longest ago.
        ch = 0;
        for (int i = 0; i < 8; ++i) {
            if (!s->channelOpen[i])
                continue;
            if (s->channelOpen[ch] && !s->queue[ch])
                break;
            if (i != ch && s->useStamp[i] < s->useStamp[ch])
                ch = i;
        }
        params->channel = ch;
    }
    bool exists = ch >= 0 && ch < 8;
    ++s->playCounter;
    if (exists)
        s->useStamp[ch] = s->playCounter;
    if (!exists || !s->channelOpen[ch])
        throw EMixerError("The specified channel was not open");

    MixPlayEntry* e = takeEntry();
    e->params = *params;
    e->params.channel = ch;
    e->wave = params->wave;
    e->length = MixPos(params->wave->data.size());
    e->data = params->wave->data.data();
    pushWaiting(s, e);
    if (params->flags & MixWait)
        return;

    bool idle = !mixer.queueHead;
    for (int i = 0; i < 8; ++i)
        idle = idle && !(s->channelOpen[i] && s->queue[i]);
    if (idle)
        syncPosition(s, 0);
    const MixPos now = currentPosition(s);

    // Schedule every waiting play, oldest first.
    bool remixNeeded = false;
    MixPlayEntry* last = nullptr;
    while (s->waitingLast) {
        e = popWaiting(s);
        const int c = e->params.channel;
        const bool early = e->params.flags & MixHighPriority;
        const MixPos M = s->mixPos;
        if (!s->channelOpen[c]) {   // closed while it waited
            releaseEntry(e);
            continue;
        }
        if (e->params.flags & MixClearQueue) {
            clearQueue(s, c);
            s->queue[c] = e;
            remixNeeded = remixNeeded || mixer.queueHead;
            e->start = early ? now : M;
        } else if (MixPlayEntry* prev = s->queue[c]) {
            while (prev->next)
                prev = prev->next;
            prev->next = e;
            e->start = early ? prev->end : std::max(M, prev->end);
            remixNeeded = remixNeeded || M > e->start;
        } else {
            s->queue[c] = e;
            e->start = early ? now : M;
            remixNeeded = remixNeeded || M > e->start;
        }
        e->end = e->params.loops == 0xFFFF || e->start == MixForever
            ? MixForever
            : (e->params.loops + 1) * e->length + e->start - 1;
        last = e;
    }
    if (remixNeeded) {
        // Nothing mixed lies beyond M: a later start has nothing to re-mix.
        remix(s, std::min(last->start, s->mixPos), last);
        return;
    }
    // The first blocks of a stream that has run dry start together.
    bool pause = !mixer.queueHead;
    if (pause)
        s->device->pause();
    fillAndWrite(s);
    if (pause)
        s->device->restart();
}
