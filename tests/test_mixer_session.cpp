// The mixer's session: settings from MIXER.INI, the session's life, taking
// and giving back the device, and the position clock.
#include <gtest/gtest.h>

#include "core/clock.h"
#include "mixer/audio_output.h"
#include "mixer/mix_internal.h"
#include "mixer/profile.h"
#include "mixer/virtual_audio.h"
#include "tests/support/app.h"
#include "tests/support/riff.h"

namespace {

class MixerSession : public ::testing::Test {
protected:
    void SetUp() override { useVirtualAudio(VirtualAudio::Manual); }
    void TearDown() override
    {
        if (mixer.session)
            MixerCloseSession(mixer.session);
        closeAudio();
    }
    void settings(const std::string& text) { writeFile(dir.path() + "/MIXER.INI", text); }
    // As the component makes it: a config of size 10, all else zero.
    MixSession* init(MixConfig config = {}) { return MixerInit(&config); }

    TempAppDir dir;
};

TEST(MixerProfile, ReadsIntegersAsThePrivateProfileReaderDid)
{
    const std::string ini = "; a comment line\n"
                            "[General]\r\n"
                            "  WaveOutDevice =  7  \r\n"
                            "[default]\n"
                            ";Remix=5\n"
                            "REMIX=2\n"
                            "WaveBlocks=4 blocks\n"
                            "WaveBlockLen=-1026\n"
                            "SamplesPerSec=x22\n"
                            "GoodWavePos=\n"
                            "Huge=99999999999\n"
                            "Minus=-\n"
                            "[ Virtual wave output ]\n"
                            "Remix=1\n";
    EXPECT_EQ(profileInt(ini, "general", "waveoutdevice", 0), 7);
    EXPECT_EQ(profileInt(ini, "default", "Remix", 1), 2);            // the comment line is skipped
    EXPECT_EQ(profileInt(ini, "default", "WaveBlocks", 3), 4);       // leading digits
    EXPECT_EQ(profileInt(ini, "default", "WaveBlockLen", 0), -1026);
    EXPECT_EQ(profileInt(ini, "default", "SamplesPerSec", 11), 11);  // no digits: the default
    EXPECT_EQ(profileInt(ini, "default", "GoodWavePos", 5), 5);      // empty value
    EXPECT_EQ(profileInt(ini, "default", "Huge", 0), 2147483647);
    EXPECT_EQ(profileInt(ini, "default", "Minus", 3), 3);
    EXPECT_EQ(profileInt(ini, "virtual wave output", "Remix", 0), 1);
    EXPECT_EQ(profileInt(ini, "default", "WaveOutDevice", -9), -9);  // key of another section
    EXPECT_EQ(profileInt(ini, "missing", "Remix", 6), 6);
    EXPECT_EQ(profileInt("", "default", "Remix", 6), 6);
    EXPECT_EQ(profileInt("Remix=2\n[default]", "default", "Remix", 1), 1);   // before any section
}

TEST_F(MixerSession, WithoutSettingsEveryKeyTakesItsDefault)
{
    MixSession* s = init();
    EXPECT_EQ(s->format, WaveFormat{});   // PCM mono 11025 Hz 8-bit
    EXPECT_EQ(s->blocks, 3);
    EXPECT_EQ(s->blockLen, 2048u);
    EXPECT_FALSE(s->shiftMode);
    EXPECT_FALSE(s->goodWavePos);
    EXPECT_EQ(s->deviceId, 0);
    EXPECT_EQ(s->deviceName, "Virtual wave output");
    EXPECT_FALSE(s->active);
    for (bool open : s->channelOpen)
        EXPECT_FALSE(open);
}

TEST_F(MixerSession, TheShippedSettingsMixAFewMillisecondsAhead)
{
    settings(readFile(std::string(MIRUHE_BUILD_DIR) + "/MIXER.INI"));
    MixSession* s = init();
    EXPECT_EQ(s->format.samplesPerSec, 44100u);
    EXPECT_EQ(s->format.channels, 1);
    EXPECT_EQ(s->blockLen, 512u);
    EXPECT_EQ(s->blocks, 2);   // 23 ms ahead of what the output has taken
    EXPECT_TRUE(s->goodWavePos);
    EXPECT_FALSE(s->shiftMode);
}

TEST_F(MixerSession, BlockLengthRules)
{
    struct Case {
        std::string ini;
        uint32_t length;
    } cases[] = {
        {"[Virtual wave output]\nWaveBlockLen=100\n", 512},
        {"[Virtual wave output]\nWaveBlockLen=5000\n", 4096},
        {"[Virtual wave output]\nWaveBlockLen=1026\n", 1026},   // the device's own value is not masked
        {"[default]\nWaveBlockLen=1026\n", 1024},
        {"[default]\nWaveBlockLen=1026\n[Virtual wave output]\nWaveBlockLen=700\n", 700},
        {"[default]\nWaveBlockLen=-4\n", 4096},                 // masked to 0xFFFC
        {"[default]\nSamplesPerSec=22\n", 4096},
        {"[default]\nSamplesPerSec=44\n", 4096},
        {"[default]\nWaveBlockLen=3\n", 2048},                  // masked to 0: computed
    };
    for (const Case& c : cases) {
        settings(c.ini);
        MixSession* s = init();
        EXPECT_EQ(s->blockLen, c.length) << c.ini;
        MixerCloseSession(s);
    }
}

TEST_F(MixerSession, DeviceSectionOverridesDefaultSection)
{
    struct Case {
        std::string ini;
        int blocks;
        bool shift, goodWavePos;
        uint32_t rate;
    } cases[] = {
        {"[default]\nWaveBlocks=1\n", 2, false, false, 11025},
        {"[default]\nWaveBlocks=9\n", 6, false, false, 11025},
        {"[default]\nWaveBlocks=5\nRemix=2\nGoodWavePos=1\nSamplesPerSec=22\n", 5, true, true, 22050},
        {"[default]\nWaveBlocks=5\nRemix=2\nGoodWavePos=1\nSamplesPerSec=22\n"
         "[virtual WAVE output]\nWaveBlocks=4\nRemix=0\nGoodWavePos=2\nSamplesPerSec=44\n",
            4, false, false, 44100},
        {"[Virtual wave output]\nRemix=3\nSamplesPerSec=16\n", 3, false, false, 11025},
        {"[Virtual wave output]\nRemix=2\nGoodWavePos=1\n", 3, true, true, 11025},
        {"\xEF\xBB\xBF[Virtual wave output]\nRemix=2\n", 3, true, false, 11025},   // saved by Notepad, with a BOM
    };
    for (const Case& c : cases) {
        settings(c.ini);
        MixSession* s = init();
        EXPECT_EQ(s->blocks, c.blocks) << c.ini;
        EXPECT_EQ(s->shiftMode, c.shift) << c.ini;
        EXPECT_EQ(s->goodWavePos, c.goodWavePos) << c.ini;
        EXPECT_EQ(s->format.samplesPerSec, c.rate) << c.ini;
        EXPECT_EQ(s->format.avgBytesPerSec, c.rate) << c.ini;
        MixerCloseSession(s);
    }
}

TEST_F(MixerSession, ConfigAsksForStereoAndRate)
{
    settings("[default]\nSamplesPerSec=44\n");
    struct Case {
        MixConfig config;
        int channels;
        uint32_t rate;
    } cases[] = {
        {{10, MixConfigStereo | MixConfigRate, 2, 22}, 2, 22050},
        {{10, MixConfigStereo, 1, 0}, 1, 44100},          // one channel wanted
        {{10, MixConfigRate, 2, 16}, 1, 44100},           // no stereo flag; code 16 is not a rate
        {{10, MixConfigRate, 0, 11}, 1, 11025},
        {{12, MixConfigStereo | MixConfigRate, 2, 22}, 1, 44100},   // wrong size: ignored
    };
    for (const Case& c : cases) {
        MixSession* s = init(c.config);
        EXPECT_EQ(s->format.channels, c.channels);
        EXPECT_EQ(s->format.blockAlign, c.channels);
        EXPECT_EQ(s->format.samplesPerSec, c.rate);
        EXPECT_EQ(s->format.avgBytesPerSec, c.channels * c.rate);
        EXPECT_EQ(s->format.bitsPerSample, 8);
        MixerCloseSession(s);
    }
    MixSession* s = MixerInit(nullptr);
    EXPECT_EQ(s->format.channels, 1);
}

TEST_F(MixerSession, WaveOutDeviceChoosesTheDevice)
{
    struct Case {
        std::string ini;
        int id;
        std::string name;
    } cases[] = {
        {"[general]\nWaveOutDevice=1\n", -1, "Virtual wave output"},   // the device count: the default device
        {"[general]\nWaveOutDevice=5\n", -1, "Virtual wave output"},
        {"[general]\nWaveOutDevice=-1\n", -1, "Virtual wave output"},
        {"[general]\nWaveOutDevice=-3\n", -3, "Unknown Device"},
    };
    for (const Case& c : cases) {
        settings(c.ini);
        MixSession* s = init();
        EXPECT_EQ(s->deviceId, c.id) << c.ini;
        EXPECT_EQ(s->deviceName, c.name) << c.ini;
        MixerCloseSession(s);
    }
    // No such device: it cannot be opened, and the session stays inactive.
    settings("[general]\nWaveOutDevice=-3\n");
    MixSession* s = init();
    EXPECT_EQ(errorOf([&] { MixerActivate(s, true); }), "Failed to open waveform output device #2");
    EXPECT_FALSE(s->active);
    EXPECT_FALSE(s->device);
}

TEST_F(MixerSession, LongDeviceNamesAreCutTo31Bytes)
{
    useVirtualAudio(VirtualAudio::Manual, "A wave output with a rather long name");
    settings("[A wave output with a rather lon]\nWaveBlocks=5\n");
    MixSession* s = init();
    EXPECT_EQ(s->deviceName, "A wave output with a rather lon");
    EXPECT_EQ(s->blocks, 5);
}

TEST_F(MixerSession, DeviceListedAsNotCompatibleIsRefused)
{
    settings("[not compatible]\nVirtual wave output=1\n");
    EXPECT_EQ(errorOf([&] { init(); }), "Virtual wave output is not compatible with the realtime mixer");
    EXPECT_EQ(mixer.session, nullptr);
    settings("[Not Compatible]\nvirtual wave output=0\n");
    EXPECT_NE(init(), nullptr);
}

TEST_F(MixerSession, OneSessionAtATime)
{
    MixSession* s = init();
    EXPECT_EQ(errorOf([&] { init(); }), "Session already initialized");
    MixerCloseSession(s);
    EXPECT_EQ(errorOf([&] { MixerActivate(s, true); }), "Invalid Session handle");
    EXPECT_EQ(errorOf([&] { MixerCloseSession(s); }), "Invalid Session handle");
    EXPECT_EQ(errorOf([&] { MixerOpenChannel(nullptr, 0, MixOpenOne); }), "Invalid Session handle");
    EXPECT_EQ(errorOf([&] { MixerOpenWave(nullptr, {"x.wav"}, 1); }), "Invalid Session handle");
    MixPlayParams params;
    EXPECT_EQ(errorOf([&] { MixerPlay(&params); }), "Invalid Session handle");
    EXPECT_NE(init(), nullptr);
}

TEST_F(MixerSession, NoOutputNoDevice)
{
    closeAudio();
    EXPECT_EQ(errorOf([&] { init(); }), "No wave output devices available");
}

TEST_F(MixerSession, ActivatingTakesTheDeviceOnce)
{
    MixSession* s = init();
    MixerActivate(s, true);
    WaveOut* device = s->device.get();
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(s->active);
    EXPECT_EQ(mixer.owner, s);
    MixerActivate(s, true);   // nothing happens the second time
    EXPECT_EQ(s->device.get(), device);
    MixerActivate(s, false);
    EXPECT_FALSE(s->active);
    EXPECT_EQ(s->device, nullptr);
    EXPECT_EQ(mixer.owner, nullptr);
    EXPECT_EQ(openWaveOut(), nullptr);
    MixerActivate(s, false);   // giving it back twice only clears the flag
    EXPECT_FALSE(s->active);
}

TEST_F(MixerSession, DeviceTakenElsewhereFailsToOpenAndLeavesTheSessionOwner)
{
    std::unique_ptr<WaveOut> other;
    ASSERT_EQ(WaveOut::open(0, WaveFormat{}, [] {}, other), WaveOk);
    MixSession* s = init();
    EXPECT_EQ(errorOf([&] { MixerActivate(s, true); }), "Failed to open waveform output device #4");
    EXPECT_FALSE(s->active);
    EXPECT_EQ(mixer.owner, s);
    other.reset();
    MixerActivate(s, true);   // still the owner: returns at once without opening
    EXPECT_FALSE(s->active);
    EXPECT_EQ(s->device, nullptr);
    MixerActivate(s, false);
    MixerActivate(s, true);
    EXPECT_TRUE(s->active);
    EXPECT_NE(s->device, nullptr);
}

TEST_F(MixerSession, ClockPositionCountsBytesOfTime)
{
    settings("[default]\nSamplesPerSec=44\n");
    MixConfig stereo{10, MixConfigStereo, 2, 0};
    MixSession* s = init(stereo);   // 44100 Hz stereo: 88200 bytes a second
    MixerActivate(s, true);
    EXPECT_EQ(currentPosition(s), 0);
    clockAdvance(1000);
    EXPECT_EQ(currentPosition(s), 88200);
    syncPosition(s, 0);
    clockAdvance(30);   // 2646 bytes
    EXPECT_EQ(currentPosition(s), 2646);
    syncPosition(s, 0);
    clockAdvance(5);   // 441 bytes: lowered to a whole frame
    EXPECT_EQ(currentPosition(s), 440);
    // Seven hours: well past what 32 bits could count.
    syncPosition(s, 0);
    clockAdvance(7 * 3600 * 1000);
    EXPECT_EQ(currentPosition(s), int64_t(7) * 3600 * 88200);
}

TEST_F(MixerSession, DevicePositionPlusOffset)
{
    settings("[default]\nGoodWavePos=1\n");
    MixSession* s = init();
    MixerActivate(s, true);
    MixerOpenChannel(s, 0, MixOpenOne);
    std::string image = waveImage(pcm(1, 11025, 8), std::string(5000, char(100)));
    MixWaveName name;
    name.buffer = image.data();
    name.size = image.size();
    MixWave* wave = MixerOpenWave(s, name, MixOpenMemory);
    MixPlayParams params;
    params.session = s;
    params.wave = wave;
    MixerPlay(&params);
    EXPECT_EQ(currentPosition(s), 0);
    clockAdvance(10000);   // the clock does not matter
    virtualPlay(700);
    EXPECT_EQ(currentPosition(s), 700);
    syncPosition(s, 5000);
    EXPECT_EQ(s->posOffset, 4300);
    virtualPlay(301);
    EXPECT_EQ(currentPosition(s), 5301);
    MixerFreeWave(s, wave);
}

} // namespace
