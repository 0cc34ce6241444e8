// Channels, queues and mixing, heard byte for byte on the virtual output
// stepped by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>

#include "core/clock.h"
#include "mixer/audio_output.h"
#include "mixer/mix_internal.h"
#include "mixer/sound_mixer.h"
#include "mixer/virtual_audio.h"
#include "tests/support/app.h"
#include "tests/support/riff.h"

namespace {

std::string same(size_t n, int value) { return std::string(n, char(value)); }

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += char(v);
    return s;
}

// Bytes as runs of equal values: "150x999 128x1".
std::string runs(const std::string& bytes)
{
    std::string out;
    for (size_t i = 0; i < bytes.size();) {
        size_t j = i;
        while (j < bytes.size() && bytes[j] == bytes[i])
            ++j;
        out += (out.empty() ? "" : " ") + std::to_string(uint8_t(bytes[i])) + "x" + std::to_string(j - i);
        i = j;
    }
    return out;
}

// Bytes that differ from one to the next.
std::string pattern(size_t n)
{
    std::string s;
    for (size_t i = 0; i < n; ++i)
        s += char(20 + i % 200);
    return s;
}

struct Ended {
    int channel;
    MixWave* wave;
    size_t heard;   // bytes played when the notice came
};

class MixerPlayback : public ::testing::Test {
protected:
    void SetUp() override { useVirtualAudio(VirtualAudio::Manual); }
    void TearDown() override
    {
        for (MixWave* w : waves)
            MixerFreeWave(s, w);
        if (mixer.session)
            MixerCloseSession(mixer.session);
        closeAudio();
    }
    // An active session with channels 0 to 3 open; the position comes from
    // the device unless the settings say otherwise.
    void start(const std::string& ini = "[default]\nGoodWavePos=1\n", MixConfig config = {})
    {
        if (s)
            MixerCloseSession(s);
        writeFile(dir.path() + "/MIXER.INI", ini);
        s = MixerInit(&config);
        MixerActivate(s, true);
        MixerOpenChannel(s, 4, MixOpenFirst);
        virtualClearCapture();
    }
    MixWave* wave(const std::string& bytes)
    {
        std::string image = waveImage(pcm(1, 11025, 8), bytes);
        MixWaveName name;
        name.buffer = image.data();
        name.size = image.size();
        waves.push_back(MixerOpenWave(s, name, MixOpenMemory));
        return waves.back();
    }
    MixPlayParams params(int channel, MixWave* w, uint32_t flags = 0, uint16_t loops = 0)
    {
        MixPlayParams p;
        p.session = s;
        p.channel = channel;
        p.wave = w;
        p.flags = flags;
        p.loops = loops;
        p.notify = [this](int ch, MixWave* wave) { ended.push_back({ch, wave, virtualWaveCapture().size()}); };
        return p;
    }
    void play(int channel, MixWave* w, uint32_t flags = 0, uint16_t loops = 0)
    {
        MixPlayParams p = params(channel, w, flags, loops);
        MixerPlay(&p);
    }
    // The device plays `bytes` more, a little at a time, and the notices
    // run in between, as they would while it plays.
    void step(size_t bytes)
    {
        for (size_t done = 0; done < bytes; done += 256) {
            virtualPlay(std::min<size_t>(256, bytes - done));
            virtualDeliver();
        }
    }
    std::string heard(size_t from, size_t n)
    {
        const std::vector<uint8_t>& all = virtualWaveCapture();
        return std::string(all.begin() + from, all.begin() + from + n);
    }
    // Keeps every block busy: a long silent play on channel 3.
    void busy() { play(3, wave(same(20000, 128))); }

    TempAppDir dir;
    MixSession* s = nullptr;
    std::vector<MixWave*> waves;
    std::vector<Ended> ended;
};

TEST_F(MixerPlayback, AWaveSoundsOneByteShortOfItsLengthAndEndsThere)
{
    // Blocks of 999 bytes: the first ends exactly where the play ends.
    start("[default]\nGoodWavePos=1\n[Virtual wave output]\nWaveBlockLen=999\n");
    const std::string bytes = pattern(1000);
    MixWave* w = wave(bytes);
    play(0, w);
    step(998);
    EXPECT_TRUE(ended.empty());
    step(1);
    EXPECT_EQ(heard(0, 999), bytes.substr(0, 999));
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].channel, 0);
    EXPECT_EQ(ended[0].wave, w);
    EXPECT_EQ(ended[0].heard, 999u);

    // Blocks of 998: the device is at 998 when the first comes back, too
    // early; the notice comes with the next block.
    start("[default]\nGoodWavePos=1\n[Virtual wave output]\nWaveBlockLen=998\n");
    ended.clear();
    play(0, wave(bytes));
    step(998);
    EXPECT_TRUE(ended.empty());
    step(998);
    EXPECT_EQ(heard(0, 1000), bytes.substr(0, 999) + same(1, 128));
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].heard, 1996u);
}

TEST_F(MixerPlayback, CuesAtTheSameMomentAreSummedAndClamped)
{
    struct Case {
        int a, b, sum;
    } cases[] = {{255, 255, 255}, {0, 0, 0}, {200, 100, 172}, {128, 77, 77}};
    for (const Case& c : cases) {
        start();
        play(0, wave(same(1000, c.a)), MixWait);
        play(1, wave(same(1000, c.b)));
        step(2048);
        EXPECT_EQ(runs(heard(0, 1000)), runs(same(999, c.sum) + same(1, 128))) << c.a << " + " << c.b;
    }
}

TEST_F(MixerPlayback, ASecondCueOnAChannelStartsWhereTheFirstEnds)
{
    start();
    busy();   // mixed ahead to 6144: both cues are scheduled before either is mixed
    play(0, wave(same(1000, 10)));
    play(0, wave(same(500, 20)));
    play(1, wave(same(300, 138)));   // another channel: from the same moment, summed
    step(3 * 2048 + 2048);
    EXPECT_EQ(runs(heard(6144, 1600)), runs(same(299, 20) + same(700, 10) + same(499, 20) + same(102, 128)));
    // A cue after the blocks are mixed starts at their end.
    size_t mixed = size_t(s->mixPos);
    play(2, wave(same(100, 30)));
    step(mixed + 100 - virtualWaveCapture().size());
    EXPECT_EQ(runs(heard(mixed - 1, 101)), runs(same(1, 128) + same(99, 30) + same(1, 128)));
}

TEST_F(MixerPlayback, LeastRecentlyUsedChannel)
{
    start();
    MixWave* lasting = wave(same(50000, 128));
    play(1, lasting);
    play(2, lasting);
    play(0, wave(same(100, 128)));
    step(10000);   // channel 0 is idle again, though played on last; 3 was never used
    MixPlayParams p = params(7, lasting, MixUseLruChannel);
    MixerPlay(&p);
    EXPECT_EQ(p.channel, 0);   // an idle channel 0 always wins
    MixerPlay(&p);
    EXPECT_EQ(p.channel, 3);   // else the one played on longest ago
    MixerPlay(&p);
    EXPECT_EQ(p.channel, 1);   // busy or not
    MixerPlay(&p);
    EXPECT_EQ(p.channel, 2);
}

TEST_F(MixerPlayback, WaitingPlaysStartWithTheNextPlayInTheirOrder)
{
    start();
    play(0, wave(same(300, 150)), MixWait);
    play(0, wave(same(300, 160)), MixWait);
    play(1, wave(same(300, 140)), MixWait);
    step(2048);
    EXPECT_EQ(runs(heard(0, 2048)), runs(same(2048, 128)));
    EXPECT_EQ(s->device->position(), 0);   // nothing was written
    play(2, wave(same(300, 138)));
    step(2048);
    EXPECT_EQ(runs(heard(2048, 700)), runs(same(299, 172) + same(1, 160 + 12 + 10 - 22) + same(298, 160) + same(102, 128)));
}

// Two long sounds from 0, the first flushed when 1000 bytes have been heard.
class MixerFlush : public MixerPlayback {
protected:
    void flushAfter1000(const std::string& ini, int flags)
    {
        start(ini);
        play(0, wave(same(10000, 150)), MixWait);
        play(1, wave(same(10000, 110)));
        step(1000);
        MixerFlushChannel(s, 0, flags);
        step(7000);
    }
};

TEST_F(MixerFlush, InRemixModeTheSoundStopsAtOnce)
{
    flushAfter1000("[default]\nGoodWavePos=1\n", 0);
    EXPECT_EQ(runs(heard(0, 8000)), runs(same(1000, 132) + same(7000, 110)));
    EXPECT_TRUE(ended.empty());
}

TEST_F(MixerFlush, WithoutRemixTheMixedBlocksPlayOut)
{
    flushAfter1000("[default]\nGoodWavePos=1\n", MixFlushNoRemix);
    EXPECT_EQ(runs(heard(0, 8000)), runs(same(6144, 132) + same(1856, 110)));
    flushAfter1000("[default]\nGoodWavePos=1\nRemix=2\n", 0);   // shift mode
    EXPECT_EQ(runs(heard(0, 8000)), runs(same(6144, 132) + same(1856, 110)));
    EXPECT_TRUE(ended.empty());
    // Flushing all channels, or a channel with nothing queued.
    MixerFlushChannel(s, 0, MixFlushAll);
    EXPECT_EQ(s->queue[1], nullptr);
    MixerFlushChannel(s, 2, 0);
}

TEST_F(MixerPlayback, HighPriorityStartsNowInRemixModeAndLateInShiftMode)
{
    for (bool shift : {false, true}) {
        start(shift ? "[default]\nGoodWavePos=1\nRemix=2\n" : "[default]\nGoodWavePos=1\n");
        play(1, wave(same(20000, 100)));
        step(1000);
        play(0, wave(same(300, 200)), MixHighPriority);
        step(7000);
        size_t at = shift ? 6144 : 1000;
        EXPECT_EQ(runs(heard(at - 10, 320)), runs(same(10, 100) + same(299, 172) + same(11, 100))) << shift;
    }
}

TEST_F(MixerPlayback, InShiftModeAPlayBehindAnEndlessLoopComesToNothing)
{
    start("[default]\nGoodWavePos=1\nRemix=2\n");
    MixWave* loop = wave(same(100, 150));
    play(0, loop, 0, 0xFFFF);
    play(1, wave(same(300, 110)), MixWait | MixHighPriority);   // late: a remix, which here shifts the last play taken
    play(0, wave(pattern(50)));   // behind the loop: from +∞, shifted to M
    const MixPlayEntry* behind = s->queue[0]->next;
    EXPECT_EQ(behind->start, 6144);
    EXPECT_EQ(behind->end, 6144);
    MixerFreeWave(s, loop);
    waves.erase(waves.begin());
    step(6144 + 2048);
    EXPECT_EQ(runs(heard(0, 8192)), runs(same(6144, 150) + same(2048, 128)));
    EXPECT_EQ(s->queue[0], nullptr);
    // A late endless loop starts at M and stays endless.
    busy();
    step(1000);
    play(2, wave(same(100, 140)), MixHighPriority, 0xFFFF);
    EXPECT_EQ(s->queue[2]->start, 6144);
    EXPECT_EQ(s->queue[2]->end, MixForever);
}

TEST_F(MixerPlayback, ClearQueueDropsTheChannelsQueueAndPlaysAtOnce)
{
    start();
    play(0, wave(same(10000, 150)));
    play(0, wave(same(10000, 160)));
    step(1000);
    play(0, wave(same(300, 170)), MixClearQueue | MixHighPriority);
    step(3000);
    EXPECT_EQ(runs(heard(0, 1400)), runs(same(1000, 150) + same(299, 170) + same(101, 128)));
    ASSERT_EQ(ended.size(), 1u);   // only the cue that was played, not the dropped ones
    EXPECT_EQ(ended[0].wave, waves[2]);
    // Without the priority flag it is heard at once all the same.
    play(0, wave(same(5000, 150)));
    size_t at = virtualWaveCapture().size() + 500;
    step(500);
    play(0, wave(same(300, 180)), MixClearQueue);
    step(3000);
    EXPECT_EQ(runs(heard(at - 1, 301)), runs(same(1, 150) + same(299, 180) + same(1, 128)));
}

TEST_F(MixerPlayback, ClosingAChannelDropsItsPlaysSilently)
{
    start();
    play(0, wave(same(3000, 150)));
    step(500);
    MixerCloseChannel(s, 0, 0);
    step(6000);
    // No remix: the blocks already mixed still play the sound.
    EXPECT_EQ(runs(heard(0, 3000)), runs(same(2999, 150) + same(1, 128)));
    EXPECT_TRUE(ended.empty());
    EXPECT_FALSE(s->channelOpen[0]);
    EXPECT_EQ(s->openChannels, 3);
}

TEST_F(MixerPlayback, TheClockGoesBackToZeroOnlyWhenNothingIsQueued)
{
    start();
    play(0, wave(same(1000, 150)));
    step(2048);
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(s->mixPos, 2048);
    play(0, wave(same(1000, 150)));
    EXPECT_EQ(mixer.queueHead->start, 0);
    EXPECT_EQ(s->posOffset, -2048);
    step(2048);
    ASSERT_EQ(ended.size(), 2u);
    EXPECT_EQ(ended[1].heard, 4096u);
    // With something still queued the stream goes on.
    play(1, wave(same(20000, 128)));
    MixPos mixed = s->mixPos;
    play(0, wave(same(1000, 150)));
    EXPECT_EQ(s->queue[0]->start, mixed);
}

TEST_F(MixerPlayback, LoopsRepeatTheWave)
{
    start();
    const std::string bytes = pattern(100);
    play(0, wave(bytes), 0, 2);
    step(2048);
    EXPECT_EQ(heard(0, 300), bytes + bytes + bytes.substr(0, 99) + same(1, 128));
    play(1, wave(bytes), 0, 0xFFFF);
    step(5000);
    EXPECT_EQ(s->queue[1]->end, MixForever);
    std::string looped;
    for (int i = 0; i < 50; ++i)
        looped += bytes;
    EXPECT_EQ(heard(2048, 5000), looped);
    MixerFlushChannel(s, 1, 0);
    step(2048);
    EXPECT_EQ(runs(heard(7048, 2048)), runs(same(2048, 128)));
}

TEST_F(MixerPlayback, FreeingAWaveRemovesItsPlays)
{
    start();
    MixWave* freed = wave(same(5000, 150));
    play(0, freed);
    play(2, wave(same(10000, 110)));   // from 6144, where the mixed blocks end
    play(1, freed, MixWait);
    step(1000);
    MixerFreeWave(s, freed);
    waves.erase(waves.begin());
    EXPECT_EQ(s->queue[0], nullptr);
    EXPECT_EQ(s->waitingLast, nullptr);
    play(3, wave(same(100, 128)));   // starts the waiting plays: none is left
    step(8000);
    // Mixed blocks still sound; nothing after them.
    EXPECT_EQ(runs(heard(0, 9000)), runs(same(4999, 150) + same(1145, 128) + same(2856, 110)));
    EXPECT_TRUE(ended.size() == 1 && ended[0].channel == 3);
}

TEST_F(MixerPlayback, GivingTheDeviceBackKeepsThePlaysAndTheirPlace)
{
    start();
    const std::string bytes = pattern(10000);
    play(0, wave(bytes));
    step(1000);
    MixerActivate(s, false);
    EXPECT_EQ(s->mixPos, 1000);
    EXPECT_EQ(errorOf([&] { play(1, waves[0]); }), "Wave device not allocated, call MixerActivate(hMixSession,TRUE)");
    step(500);   // nothing plays meanwhile
    MixerActivate(s, true);
    step(3000);
    EXPECT_EQ(heard(0, 4500), bytes.substr(0, 1000) + same(500, 128) + bytes.substr(1000, 3000));
}

TEST_F(MixerPlayback, PositionsGoPast32Bits)
{
    // A stream that has been busy for days: resumed just short of 2^31.
    start();
    play(3, wave(same(100, 128)), 0, 0xFFFF);
    MixerActivate(s, false);
    s->mixPos = (MixPos(1) << 31) - 7000;
    MixerActivate(s, true);
    virtualClearCapture();
    play(0, wave(same(3000, 150)));   // from 2^31 - 856, across the border
    EXPECT_GT(s->queue[0]->end, MixPos(1) << 31);
    step(12288);
    EXPECT_EQ(runs(heard(6144, 3000)), runs(same(2999, 150) + same(1, 128)));
    ASSERT_EQ(ended.size(), 1u);
    EXPECT_EQ(ended[0].heard, 10240u);   // with the block that passes its end
}

TEST_F(MixerPlayback, ThePoolHoldsAHundredPlays)
{
    start();
    MixWave* w = wave(same(10, 128));
    for (int i = 0; i < 100; ++i)
        play(i % 4, w, MixWait);
    EXPECT_EQ(errorOf([&] { play(0, w); }), "Not enough memory");
    MixerFreeWave(s, w);   // gives them all back
    waves.clear();
    play(0, wave(same(10, 128)));
}

TEST_F(MixerPlayback, ChannelAndPlayErrors)
{
    start();
    MixWave* w = wave(same(10, 128));
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(s, 0, 3); }), "Invalid Flags");
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(s, 0, -1); }), "Invalid flag");
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(s, 8, MixOpenOne); }), "Invalid channel number");
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(s, 3, MixOpenOne); }), "The channel has already been opened");
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(s, 0, MixOpenFirst); }), "Invalid number of channels");
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(s, 9, MixOpenFirst); }), "Invalid number of channels");
    EXPECT_EQ(errorOf([&] { MixerFlushChannel(s, -1, 0); }), "Invalid channel number");
    EXPECT_EQ(errorOf([&] { MixerFlushChannel(s, 5, 0); }), "The specified channel was not open");
    EXPECT_EQ(errorOf([&] { MixerCloseChannel(s, 5, 0); }), "The specified channel was not open");
    EXPECT_EQ(errorOf([&] { MixerPlay(nullptr); }), "nil parameters pointer passed to MixerPlay");
    EXPECT_EQ(errorOf([&] { play(0, nullptr); }), "nil wave pointer passed to MixerPlay!");
    EXPECT_EQ(errorOf([&] { play(5, w); }), "The specified channel was not open");
    EXPECT_EQ(errorOf([&] { play(8, w); }), "The specified channel was not open");
    EXPECT_EQ(errorOf([&] { play(-1, w); }), "The specified channel was not open");
    MixerOpenChannel(s, 0, MixOpenAll);
    EXPECT_EQ(s->openChannels, 8);
    MixerCloseChannel(s, 0, MixCloseAll);
    EXPECT_EQ(s->openChannels, 0);
    EXPECT_EQ(errorOf([&] { play(0, w); }), "You must open a channel before you can play a wave");
}

TEST_F(MixerPlayback, StereoSessionsMixInterleavedBytes)
{
    start("[default]\nGoodWavePos=1\n", MixConfig{10, MixConfigStereo, 2, 0});
    std::string image = waveImage(pcm(2, 11025, 8), bytes({150, 100, 150, 100, 150, 100}));
    MixWaveName name;
    name.buffer = image.data();
    name.size = image.size();
    MixWave* left = MixerOpenWave(s, name, MixOpenMemory);
    waves.push_back(left);
    play(0, left, MixWait);
    play(1, wave(same(3, 140)));   // mono, doubled: 140 140 140 140 140 140
    step(2048);
    EXPECT_EQ(runs(heard(0, 6)), runs(bytes({162, 112, 162, 112, 162, 128})));
}

TEST_F(MixerPlayback, ClockPositionDrivesHighPriority)
{
    start("");   // position from the clock
    play(1, wave(same(20000, 100)));
    clockAdvance(100);   // 1102 bytes
    step(1102);
    play(0, wave(same(300, 200)), MixHighPriority);
    step(3000);
    EXPECT_EQ(runs(heard(1100, 302)), runs(same(2, 100) + same(299, 172) + same(1, 100)));
}

TEST_F(MixerPlayback, TheComponentAsTheGameUsesIt)
{
    QObject window;
    auto* sound = new TSoundMixer(&window);
    EXPECT_EQ(mixer.session, sound->session());
    sound->setActivated(true);
    sound->setChannels(15);
    EXPECT_EQ(sound->session()->openChannels, 4);
    sound->setChannels(15 - 2 + 16);   // channel 1 closes, 4 opens
    EXPECT_FALSE(sound->session()->channelOpen[1]);
    EXPECT_TRUE(sound->session()->channelOpen[4]);
    sound->setChannels(255);
    EXPECT_EQ(sound->session()->openChannels, 8);

    std::string path = dir.path() + "/cue.wav";
    writeFile(path, waveImage(pcm(1, 22050, 16), std::string(2000, '\0')));
    MixWave* cue = sound->OpenWave(path);
    EXPECT_EQ(cue->data, std::vector<uint8_t>(500, 128));
    std::vector<int> told;
    sound->Play(2, cue, [&](int ch, MixWave*) { told.push_back(ch); });
    sound->Play(2, cue);
    step(3 * 2048);
    EXPECT_EQ(told, std::vector<int>{2});
    sound->FreeWave(cue);
    sound->setActivated(false);
    EXPECT_EQ(openWaveOut(), nullptr);
    sound->setActivated(true);
    // Going with its window: channels closed, device given back, session closed.
    delete sound;
    EXPECT_EQ(mixer.session, nullptr);
    EXPECT_EQ(openWaveOut(), nullptr);
}

} // namespace

// The output's thread refills while the game calls the mixer: every call
// races a refill, and afterwards the mixer is whole and plays true.
TEST_F(MixerPlayback, EveryCallRacesTheOutputsRefill)
{
    start("[default]\nGoodWavePos=1\nWaveBlockLen=512\nWaveBlocks=2\n");
    std::atomic<bool> stop = false;
    std::atomic<size_t> played = 0;
    std::thread output([&] {
        for (; !stop; played += 96)
            virtualPlay(96);   // each step hands back a block now and then, and refills it there
    });
    std::mt19937 random(1234);
    std::vector<MixWave*> live;
    for (int i = 0; i < 4; ++i)
        live.push_back(wave(pattern(300 + 500 * i)));
    const uint32_t flags[] = {0, 0, MixHighPriority, MixClearQueue, MixWait, MixUseLruChannel};
    // However the threads are scheduled, the output plays a good while through the calls.
    for (int i = 0; i < 4000 || played < 200000; ++i) {
        try {
            switch (random() % 8) {
            case 0: case 1: case 2: {
                MixPlayParams p = params(int(random() % 4), live[random() % live.size()],
                    flags[random() % std::size(flags)], uint16_t(random() % 3));
                p.notify = [](int, MixWave*) {};   // posted from the output's thread
                MixerPlay(&p);
                break;
            }
            case 3: MixerFlushChannel(s, int(random() % 4), int(random() % 4)); break;
            case 4: {
                int ch = int(random() % 4);
                MixerCloseChannel(s, ch, 0);
                MixerOpenChannel(s, ch, MixOpenOne);
                break;
            }
            case 5: {
                MixWave*& w = live[random() % live.size()];
                waves.erase(std::find(waves.begin(), waves.end(), w));
                MixerFreeWave(s, w);
                w = wave(pattern(200 + random() % 3000));
                break;
            }
            case 6:
                MixerActivate(s, false);
                MixerActivate(s, true);
                break;
            case 7: virtualDeliver(); break;
            }
        } catch (const EMixerError& e) {
            ADD_FAILURE() << e.what();
        }
    }
    stop = true;
    output.join();
    virtualDeliver();

    // Whole: once the waiting plays have started and everything is flushed,
    // every block comes home and every play is back in the pool.
    play(0, live[0]);
    MixerFlushChannel(s, 0, MixFlushAll);
    step(4096);
    for (int i = 0; i < s->blocks; ++i)
        EXPECT_TRUE(mixer.blocks[i].free);
    int pooled = 0;
    for (MixPlayEntry* e = mixer.freeEntries; e; e = e->next)
        ++pooled;
    EXPECT_EQ(pooled, MixPoolSize);
    // True: a play is heard as it was made.
    const std::string bytes = pattern(2000);
    play(1, wave(bytes));
    const size_t from = virtualWaveCapture().size();
    ended.clear();
    step(2200);
    EXPECT_EQ(heard(from, 1999), bytes.substr(0, 1999));
    ASSERT_EQ(ended.size(), 1u);   // and its end is told once it has been heard
    EXPECT_GE(ended[0].heard, from + 1999);
}
