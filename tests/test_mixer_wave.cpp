// Loading waves: the RIFF reader with the layouts real files have, the
// conversion to the session's output format, and the loader's messages.
// Real files: Debian's alsa-utils test sounds, and sox's conversions of them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "mixer/audio_output.h"
#include "mixer/mix_internal.h"
#include "tests/support/app.h"
#include "tests/support/riff.h"

namespace fs = std::filesystem;

namespace {

const fs::path AlsaSounds = "/usr/share/sounds/alsa";

std::vector<uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s += char(v);
    return s;
}

std::string repeat(const std::string& pattern, size_t times)
{
    std::string s;
    for (size_t i = 0; i < times; ++i)
        s += pattern;
    return s;
}

class MixerWave : public ::testing::Test {
protected:
    void SetUp() override { useVirtualAudio(VirtualAudio::Manual); }
    void TearDown() override
    {
        for (MixWave* w : waves)
            MixerFreeWave(session, w);
        if (mixer.session)
            MixerCloseSession(mixer.session);
        closeAudio();
    }
    // A session with these settings (rate code 11, 22 or 44), mono or stereo.
    void open(int rateCode, bool stereo = false)
    {
        if (session)
            MixerCloseSession(session);
        writeFile(dir.path() + "/MIXER.INI", "[default]\nSamplesPerSec=" + std::to_string(rateCode) + "\n");
        MixConfig config{10, stereo ? MixConfigStereo : 0u, 2, 0};
        session = MixerInit(&config);
    }
    MixWave* keep(MixWave* w)
    {
        waves.push_back(w);
        return w;
    }
    MixWave* load(const std::string& image)
    {
        MixWaveName name;
        name.buffer = image.data();
        name.size = image.size();
        return keep(MixerOpenWave(session, name, MixOpenMemory));
    }
    MixWave* loadFile(const std::string& path) { return keep(MixerOpenWave(session, {path}, 1)); }
    std::vector<uint8_t> converted(const std::string& image) { return load(image)->data; }
    std::string loadError(const std::string& image)
    {
        return errorOf([&] { load(image); });
    }
    // Runs sox with these arguments (files in the temporary folder).
    std::string sox(const std::string& args, const std::string& out)
    {
        std::string path = dir.path() + "/" + out;
        int result = std::system(("sox -V1 " + args + " " + path).c_str());
        EXPECT_EQ(result, 0) << "sox " << args;
        return path;
    }

    TempAppDir dir;
    MixSession* session = nullptr;
    std::vector<MixWave*> waves;
};

TEST_F(MixerWave, EightBitMonoAtTheSessionRateIsUsedAsItIs)
{
    open(11);
    std::string data;
    for (int i = 0; i < 1001; ++i)   // odd size: a pad byte follows
        data += char(i * 7);
    std::string path = dir.path() + "/a wave with a long name.wav";
    writeFile(path, waveImage(pcm(1, 11025, 8), data));
    MixWave* w = loadFile(path);
    EXPECT_EQ(w->data, bytesOf(data));
    EXPECT_EQ(w->format, pcm(1, 11025, 8));
    EXPECT_EQ(w->name, path.substr(0, 15));
}

TEST_F(MixerWave, SixteenBitsKeepTheHighByteWithItsTopBitInverted)
{
    open(11);
    std::string data = repeat(le(0x0000, 2) + le(0x7FFF, 2) + le(0x8000, 2) + le(0xFFFF, 2), 125);   // 1000 bytes
    std::vector<uint8_t> out = converted(waveImage(pcm(1, 11025, 16), data));
    ASSERT_EQ(out.size(), 500u);
    EXPECT_EQ(std::vector<uint8_t>(out.begin(), out.begin() + 4), (std::vector<uint8_t>{128, 255, 0, 127}));
    // A trailing half sample is dropped.
    EXPECT_EQ(converted(waveImage(pcm(1, 11025, 16), data + "x")).size(), 500u);
    // The file's own format is kept.
    EXPECT_EQ(waves.back()->format.bitsPerSample, 16);
}

TEST_F(MixerWave, ChannelsAreAveragedOrDoubled)
{
    open(11);
    EXPECT_EQ(converted(waveImage(pcm(2, 11025, 8), bytes({200, 101, 0, 255, 1}))), (std::vector<uint8_t>{150, 127}));
    open(11, true);
    EXPECT_EQ(converted(waveImage(pcm(1, 11025, 8), bytes({16, 32}))), (std::vector<uint8_t>{16, 16, 32, 32}));
    EXPECT_EQ(converted(waveImage(pcm(2, 11025, 8), bytes({16, 32}))), (std::vector<uint8_t>{16, 32}));
}

TEST_F(MixerWave, UpSamplingStepsStraightAndRepeatsTheLastFrame)
{
    open(22);
    EXPECT_EQ(converted(waveImage(pcm(1, 11025, 8), bytes({100, 110}))), (std::vector<uint8_t>{100, 105, 110, 110}));
    open(44);   // factor 4; the step is truncated toward zero
    EXPECT_EQ(converted(waveImage(pcm(1, 11025, 8), bytes({100, 110}))),
        (std::vector<uint8_t>{100, 102, 104, 106, 110, 110, 110, 110}));
    EXPECT_EQ(converted(waveImage(pcm(1, 11025, 8), bytes({110, 100}))),
        (std::vector<uint8_t>{110, 108, 106, 104, 100, 100, 100, 100}));
    // 22050 to 44100 in stereo: each channel on its own.
    open(44, true);
    EXPECT_EQ(converted(waveImage(pcm(2, 22050, 8), bytes({10, 200, 20, 190}))),
        (std::vector<uint8_t>{10, 200, 15, 195, 20, 190, 20, 190}));
    // 8000 Hz: the factor is 1, so the frames are only copied.
    open(11);
    EXPECT_EQ(converted(waveImage(pcm(1, 8000, 8), bytes({1, 2, 3}))), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(MixerWave, DownSamplingAveragesGroupsAndCopiesTheFrameAfterTheLast)
{
    open(11);
    EXPECT_EQ(converted(waveImage(pcm(1, 22050, 8), bytes({100, 110, 120, 131}))), (std::vector<uint8_t>{105, 120}));
    // (100 - 128 + 101 - 128) / 2 is -27, truncated toward zero.
    EXPECT_EQ(converted(waveImage(pcm(1, 22050, 8), bytes({100, 101, 50, 50, 9}))), (std::vector<uint8_t>{101, 50}));
    // 44100 Hz and 48000 Hz both reduce by 4; 16000 Hz by 1.
    std::string eight = bytes({128, 132, 136, 140, 16, 32, 48, 64, 80});
    EXPECT_EQ(converted(waveImage(pcm(1, 44100, 8), eight)), (std::vector<uint8_t>{134, 16}));
    EXPECT_EQ(converted(waveImage(pcm(1, 48000, 8), eight)), (std::vector<uint8_t>{134, 16}));
    EXPECT_EQ(converted(waveImage(pcm(1, 16000, 8), eight)), bytesOf(eight));
}

TEST_F(MixerWave, SixteenBitStereoAt44100ShrinksToASixteenth)
{
    open(11);
    std::string data;
    for (int i = 0; i < 1600; ++i)   // frames: left rises, right falls
        data += le(uint16_t(i * 40), 2) + le(uint16_t(-i * 40), 2);
    std::vector<uint8_t> out = converted(waveImage(pcm(2, 44100, 16), data));
    EXPECT_EQ(out.size(), data.size() / 16);
}

TEST_F(MixerWave, RefusedWavesSayWhy)
{
    open(11);
    const WaveFormat mono8 = pcm(1, 11025, 8);
    const std::string fmt = chunk("fmt ", fmtData(mono8));
    WaveFormat floating = pcm(1, 11025, 32);
    floating.formatTag = 3;
    struct Case {
        std::string image, message;
    } cases[] = {
        {"", "This is not a WAVE file"},
        {"RIFX" + le(4, 4) + "WAVE", "This is not a WAVE file"},
        {chunk("RIFF", "AVI " + fmt), "This is not a WAVE file"},
        {riff(chunk("data", "abc")), "WAVE file is corrupted"},
        {riff(chunk("fmt ", fmtData(mono8).substr(0, 14)) + chunk("data", "abc")), "Failed to read format chunk"},
        {riff(chunk("fmt ", fmtData(floating)) + chunk("data", "abcd")), "The file is not a PCM file"},
        {riff(fmt), "WAVE file has no data chunk"},
        {riff(chunk("data", "abc") + fmt), "WAVE file has no data chunk"},   // the data is looked for after "fmt "
        {riff(fmt + chunk("data", "")), "The data chunk has no data"},
        {riff(fmt + chunk("data", "abc", 100)), "Failed to read data chunk"},
        {waveImage(pcm(1, 11025, 4), "abcd"), "File format not supported"},
        {waveImage(pcm(1, 11025, 24), "abcdef"), "File format not supported"},
        {waveImage(pcm(4, 11025, 8), "abcd"), "File format not supported"},
        {waveImage(pcm(1, 0, 8), "abcd"), "File format not supported"},
        {waveImage(pcm(1, 11025, 16), "a"), "Failed to convert wave format"},
        {waveImage(pcm(1, 22050, 8), "a"), "Failed to convert wave format"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(loadError(c.image), c.message) << c.message;
    // The same format needs no conversion, whatever the bits would say.
    EXPECT_EQ(loadError(waveImage(mono8, "a")), "no error");
}

TEST_F(MixerWave, SourcesThatCannotBeOpened)
{
    open(11);
    std::string missing = dir.path() + "/missing.wav";
    EXPECT_EQ(errorOf([&] { loadFile(missing); }), "Failed to open wave file " + missing);
    EXPECT_EQ(errorOf([&] { loadFile(dir.path()); }), "Failed to open wave file " + dir.path());   // opens, cannot be read
    EXPECT_EQ(errorOf([&] { MixerOpenWave(session, MixWaveName{}, MixOpenMemory); }),
        "Failed to open memory file, mmioOpen error=259.#13May need to make sure memory is read-write");
    EXPECT_EQ(errorOf([&] { MixerOpenWave(session, {"BOOM"}, MixOpenResource | MixOpenMemory); }),
        "Failed to open \"WAVE\" resource BOOM");
    MixWaveName numbered;
    numbered.resourceId = 101;
    EXPECT_EQ(errorOf([&] { MixerOpenWave(session, numbered, MixOpenResource); }), "Failed to open \"WAVE\" resource 101");
    EXPECT_EQ(errorOf([&] { MixerFreeWave(session, nullptr); }), "The given pointer was not valid");
    // A device that does not exist plays no format at all.
    MixerCloseSession(session);
    writeFile(dir.path() + "/MIXER.INI", "[general]\nWaveOutDevice=-2\n");
    session = MixerInit(nullptr);
    std::string image = waveImage(pcm(1, 11025, 8), "abc");
    EXPECT_EQ(loadError(image), "The waveform device can\xB4t play this format");   // the accent: the one byte 0xB4
}

TEST_F(MixerWave, OddLayoutsOfRealFiles)
{
    open(11);
    const WaveFormat f = pcm(1, 11025, 8);
    const std::string data = bytes({16, 32, 48, 64, 80});
    const std::string list = chunk("LIST", "INFOISFT" + le(7, 4) + "Editor\0", -1);
    // "fmt " of 18 bytes (cbSize 0), as some writers make it.
    const std::string fmt18 = chunk("fmt ", fmtData(f) + le(0, 2));
    const std::string images[] = {
        riff(list + chunk("fmt ", fmtData(f)) + chunk("data", data)),
        riff(fmt18 + chunk("data", data)),
        riff(chunk("fmt ", fmtData(f)) + chunk("odd ", "abc") + chunk("fact", le(5, 4)) + chunk("data", data)),
        chunk("JUNK", "x") + riff(chunk("fmt ", fmtData(f)) + chunk("data", data)),   // RIFF not first
        chunk("RIFF", "WAVE" + chunk("fmt ", fmtData(f)) + chunk("data", data), 100000),   // RIFF larger than the file
    };
    for (const std::string& image : images)
        EXPECT_EQ(converted(image), bytesOf(data));
    // A RIFF chunk that ends before the data holds no data.
    EXPECT_EQ(loadError(chunk("RIFF", "WAVE" + chunk("fmt ", fmtData(f)) + chunk("data", data), 28)),
        "WAVE file has no data chunk");
}

// Every test sound of alsa-utils (48000 Hz, 16 bits, mono): in a 44100 Hz
// session only the bits change, within one step of sox's own 8-bit
// conversion; in an 11025 Hz session every 4 frames are averaged.
TEST_F(MixerWave, AlsaTestSounds)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(AlsaSounds)) {
        std::string path = entry.path().string();
        if (entry.path().extension() != ".wav")
            continue;
        ++files;
        std::vector<uint8_t> sox8 = bytesOf(readFile(sox("-D " + path + " -b 8 -e unsigned -t raw", "sox8.raw")));
        open(44);
        MixWave* bits = loadFile(path);
        EXPECT_EQ(bits->format, pcm(1, 48000, 16)) << path;
        ASSERT_EQ(bits->data.size(), sox8.size()) << path;
        int worst = 0;
        for (size_t i = 0; i < sox8.size(); ++i)
            worst = std::max(worst, std::abs(bits->data[i] - sox8[i]));
        EXPECT_LE(worst, 1) << path;

        open(11);
        std::vector<uint8_t> out = loadFile(path)->data;
        ASSERT_EQ(out.size(), sox8.size() / 4) << path;
        worst = 0;
        for (size_t o = 0; o + 1 < out.size(); ++o) {
            int sum = 0;
            for (int t = 0; t < 4; ++t)
                sum += sox8[4 * o + t] - 128;
            worst = std::max(worst, std::abs(out[o] - (128 + sum / 4)));
        }
        EXPECT_LE(worst, 1) << path;
    }
    EXPECT_GE(files, 9);
}

// Front_Center.wav written by sox in each PCM layout the loader takes: the
// result is the sound sox itself makes at 8 bits, mono, 11025 Hz.
TEST_F(MixerWave, SoxLayoutsThatLoad)
{
    const std::string source = (AlsaSounds / "Front_Center.wav").string();
    std::vector<uint8_t> reference =
        bytesOf(readFile(sox("-D " + source + " -b 8 -e unsigned -c 1 -r 11025 -t raw", "ref.raw")));
    struct Case {
        std::string args;
        size_t frameBytes;   // of the file
        int reduce;          // frames per output frame
    } cases[] = {
        {"-b 8 -e unsigned -c 1 -r 11025", 1, 1},
        {"-b 8 -e unsigned -c 2 -r 22050", 2, 2},
        {"-b 16 -c 1 -r 44100", 2, 4},
        {"-b 16 -c 2 -r 44100", 4, 4},
        {"-b 16 -c 2 -r 11025", 4, 1},
        {"-b 8 -e unsigned -c 1 -r 8000", 1, 1},
    };
    open(11);
    for (const Case& c : cases) {
        std::string path = sox("-D " + source + " " + c.args, "layout.wav");
        std::string file = readFile(path);
        size_t frames = (file.size() - 44) / c.frameBytes;   // sox writes the plain 44-byte header
        std::vector<uint8_t> out = loadFile(path)->data;
        EXPECT_EQ(out.size(), frames / c.reduce) << c.args;
        if (c.args.find("8000") != std::string::npos)
            continue;   // copied at the wrong speed, by design
        // The same sound: close to sox's own conversion, sample by sample.
        double error = 0, power = 0;
        size_t n = std::min(out.size(), reference.size());
        for (size_t i = 0; i < n; ++i) {
            error += std::pow(out[i] - reference[i], 2);
            power += std::pow(reference[i] - 128, 2);
        }
        EXPECT_LT(error, 0.1 * power) << c.args;
    }
}

TEST_F(MixerWave, SoxLayoutsThatAreRefused)
{
    const std::string source = (AlsaSounds / "Front_Center.wav").string();
    struct Case {
        std::string args, message;
    } cases[] = {
        {"-e floating-point -b 32", "The file is not a PCM file"},
        {"-b 24", "The file is not a PCM file"},   // extensible format
        {"-c 6", "The file is not a PCM file"},
        {"-e u-law", "The file is not a PCM file"},
        {"-e a-law", "The file is not a PCM file"},
        {"-e ima-adpcm", "The file is not a PCM file"},
        {"-e ms-adpcm", "The file is not a PCM file"},
        {"-t wavpcm -b 24", "File format not supported"},   // plain PCM tag, 24 bits
        {"-t wavpcm -b 32", "File format not supported"},
        {"-t wavpcm -b 16 -c 4", "File format not supported"},
    };
    open(11);
    for (const Case& c : cases) {
        std::string path = sox("-D " + source + " " + c.args, "refused.wav");
        EXPECT_EQ(errorOf([&] { loadFile(path); }), c.message) << c.args;
    }
    // Written through a pipe, sox cannot go back to fix the sizes: the data
    // chunk claims far more than the file holds.
    std::string piped = dir.path() + "/piped.wav";
    ASSERT_EQ(std::system(("sox -V1 -D " + source + " -b 8 -e unsigned -r 11025 -t raw - | sox -V1 -t raw -r 11025 -e "
                           "unsigned -b 8 -c 1 - -t wav - | cat > " + piped)
                              .c_str()),
        0);
    EXPECT_EQ(errorOf([&] { loadFile(piped); }), "Failed to read data chunk");
}

} // namespace
