// Music: a file plays, loops from its start without a gap, and fails
// silently without the file or without a soundfont.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>

#include "mixer/virtual_audio.h"
#include "tests/support/game.h"
#include "core/settings.h"
#include "core/text.h"
#include "ui/music.h"
#include "ui/sound.h"
#include "ui/volume.h"

namespace {

// A one-second tune: one piano note held for the whole second.
std::string oneSecondTune()
{
    const unsigned char track[] = {
        0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,   // 120 beats a minute
        0x00, 0xC0, 0x00,                           // piano
        0x00, 0x90, 0x3C, 0x64,                     // C4 on
        0x81, 0x40, 0x80, 0x3C, 0x00,               // 192 ticks (a second) later, off
        0x00, 0xFF, 0x2F, 0x00,
    };
    std::string smf("MThd\0\0\0\6\0\0\0\1\0\x60", 14);
    smf += "MTrk";
    smf += std::string("\0\0\0", 3) + char(sizeof track);
    smf.append(reinterpret_cast<const char*>(track), sizeof track);
    return smf;
}

// Loudness of the music captured between two seconds of play.
double rms(const std::vector<int16_t>& music, double from, double to)
{
    const size_t a = size_t(from * musicSampleRate) * 2;
    const size_t b = std::min(music.size(), size_t(to * musicSampleRate) * 2);
    double sum = 0;
    for (size_t i = a; i < b; ++i)
        sum += double(music[i]) * music[i];
    return b > a ? std::sqrt(sum / double(b - a)) : 0;
}

class Music : public ::testing::Test {
protected:
    Music() { soundfontCandidates() = {"/usr/share/sounds/sf2/TimGM6mb.sf2"}; }
    TestGame game;
    TForm1& f = game.form();
    int notices = 0;
    void SetUp() override
    {
        const auto loop = f.mid_p->notify;
        f.mid_p->notify = [this, loop] {
            ++notices;
            loop();
        };
        writeFile(game.dir.dat("tune.mid"), oneSecondTune());
    }
    void play(double seconds)
    {
        for (int i = 0; i < int(seconds * 10); ++i) {
            virtualPlay(1103);   // a tenth of a second of the 11025 Hz wave stream
            virtualDeliver();
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
    }
};

TEST_F(Music, AFileLoopsFromItsStartWithoutAGap)
{
    virtualClearCapture();
    playMusic("tune.mid");
    EXPECT_TRUE(f.mid_p->playing());
    play(0.9);
    for (int i = 0; i < 2; ++i) {
        virtualPlay(551);   // 0.95 s: the music is made past the second pass's start, and not yet heard
        virtualDeliver();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        EXPECT_EQ(notices, i);
    }
    play(1.5);
    EXPECT_EQ(notices, 2);   // after the first and the second second
    const auto& music = virtualMusicCapture();
    ASSERT_GE(music.size(), size_t(2.4 * musicSampleRate * 2));
    // The note sounds in each pass, right from the start of the pass.
    EXPECT_GT(rms(music, 0.05, 0.5), 300);
    EXPECT_GT(rms(music, 1.05, 1.5), 300);
    EXPECT_GT(rms(music, 2.05, 2.4), 300);
    EXPECT_TRUE(f.mid_p->playing());

    // From the third pass on, the second is played again from memory: the
    // music repeats to the sample, a pass (a whole number of the synth's
    // blocks) apart, and each pass is still told.
    play(2);
    EXPECT_EQ(notices, 4);
    EXPECT_TRUE(f.mid_p->fromMemory());
    const size_t from = size_t(2.1 * musicSampleRate) * 2, length = size_t(0.8 * musicSampleRate) * 2;
    bool repeats = false;
    for (size_t pass = size_t(musicSampleRate) / 64 * 64; pass < size_t(musicSampleRate) + 128 && !repeats; pass += 64)
        repeats = std::equal(music.begin() + from, music.begin() + from + length, music.begin() + from + 2 * pass);
    EXPECT_TRUE(repeats);
    EXPECT_GT(rms(music, 3.05, 3.5), 300);
}

TEST_F(Music, StopEmptyAndAMissingFile)
{
    playMusic("tune.mid");
    playMusic("");   // keeps the music
    EXPECT_TRUE(f.mid_p->playing());
    playMusic("not");
    EXPECT_FALSE(f.mid_p->playing());
    playMusic("not");   // nothing plays: nothing happens
    virtualClearCapture();
    play(0.5);
    EXPECT_TRUE(virtualMusicCapture().empty());   // the note was cut: the output mixes no music
    playMusic("nothere.mid");
    EXPECT_FALSE(f.mid_p->playing());
    EXPECT_TRUE(game.boxes.empty());
}

// Stopped, or begun again while it plays (as the title tune is after GAME
// OVER), the music falls silent over its fade: no step larger than the
// tune makes on its own, then nothing.
TEST_F(Music, AStopAndARestartFadeWithoutAStep)
{
    const auto& music = virtualMusicCapture();
    const auto largestStep = [&](size_t from) {
        int step = 0;
        for (size_t i = from + 2; i < music.size(); ++i)
            step = std::max(step, std::abs(music[i] - music[i - 2]));
        return step;
    };
    virtualClearCapture();
    playMusic("tune.mid");
    play(0.5);
    const int own = largestStep(0);   // the note's, its attack included
    const size_t stop = music.size();
    playMusic("not");
    play(0.1);
    EXPECT_LE(largestStep(stop - 2), own);
    const size_t fade = size_t(musicSampleRate * musicFadeMs / 1000) * 2;
    EXPECT_NE(music[stop], 0);
    for (size_t i = stop + fade; i < music.size(); ++i)
        ASSERT_EQ(music[i], 0) << i;
    const size_t silent = music.size();
    play(0.1);
    EXPECT_EQ(music.size(), silent);

    playMusic("tune.mid");
    play(0.5);
    const size_t restart = music.size();
    playMusic("tune.mid");
    play(0.5);
    EXPECT_LE(largestStep(restart - 2), own);
    const double at = double(music.size() / 2) / musicSampleRate;
    EXPECT_GT(rms(music, at - 0.3, at), 300);   // the tune again, from its start
}

TEST(MusicWithoutSoundfont, IsSilentAndTheGameGoesOn)
{
    soundfontCandidates() = {"/nonexistent/sound.sf2"};
    TestGame game;
    playMusic("miruhe.mid");
    EXPECT_FALSE(game.form().mid_p->playing());
    virtualClearCapture();
    virtualPlay(2205);
    for (int16_t s : virtualMusicCapture())
        ASSERT_EQ(s, 0);
    EXPECT_TRUE(game.boxes.empty());
}

// The player's volumes scale what the output plays, music and effects alike,
// and a soundfont of the player's own that cannot be loaded is said once.
TEST_F(Music, TheVolumesScaleTheMusicAndTheEffects)
{
    const auto loudestCue = [] {
        int loudest = 0;
        for (uint8_t b : virtualWaveCapture())
            loudest = std::max(loudest, std::abs(b - 128));
        return loudest;
    };
    playMusic("tune.mid");
    playCue(0, "b.wav");
    play(1);   // the tune's one second: the next begins where this one did
    const double music = rms(virtualMusicCapture(), 0.1, 0.9);
    const int cue = loudestCue();
    ASSERT_GT(cue, 40);
    virtualClearCapture();
    stepVolume(true, -5);   // music at 50 %
    stepVolume(false, -8);  // effects at 20 %
    EXPECT_EQ(volumeOverlayText(), "効果音 20%");
    playCue(0, "b.wav");
    play(1);
    EXPECT_NEAR(rms(virtualMusicCapture(), 0.1, 0.9) / music, 0.5, 0.05);
    EXPECT_NEAR(loudestCue(), cue / 5, 1);
    toggleMute();
    EXPECT_EQ(volumeOverlayText(), "消音");
    virtualClearCapture();
    playCue(0, "b.wav");
    play(0.3);
    EXPECT_EQ(loudestCue(), 0);
    for (int16_t s : virtualMusicCapture())
        ASSERT_EQ(s, 0);
    toggleMute();   // gives both back, as they were
    EXPECT_EQ(settingInt("sound/music", 0, 100, -1), 50);
    EXPECT_EQ(settingInt("sound/effects", 0, 100, -1), 20);
    EXPECT_FALSE(settings().value("sound/muted").toBool());
}

// A soundfont of the player's own that cannot be loaded gives way to the
// system's, and the box names both; the music is silent only when none loads.
TEST(MusicWithAChosenSoundfont, ThatCannotBeLoadedIsSaidOnceAndTheSystemsPlays)
{
    TempAppDir scratch;
    writeFile(scratch.path() + "/broken.sf2", "RIFF\4\0\0\0sfbk");
    chooseSoundfont(scratch.path() + "/broken.sf2");
    for (const std::string system : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/nonexistent/sound.sf2"}) {
        soundfontCandidates() = {system};
        TestGame game;
        playMusic("allto1.mid");
        virtualClearCapture();
        for (int i = 0; i < 3; ++i) {   // the soundfont is loaded on the music thread
            virtualPlay(1103);
            virtualDeliver();
        }
        const bool plays = system.starts_with("/usr");
        ASSERT_EQ(game.boxes.size(), 1u) << system;
        EXPECT_NE(game.boxes[0].find("broken.sf2"), std::string::npos);
        EXPECT_EQ(game.boxes[0].find("TimGM6mb.sf2") != std::string::npos, plays);
        EXPECT_EQ(game.boxes[0].find("音楽なしで"_sj) != std::string::npos, !plays);
        EXPECT_EQ(game.form().mid_p->playing(), plays);
        const auto& music = virtualMusicCapture();
        EXPECT_EQ(std::any_of(music.begin(), music.end(), [](int16_t s) { return s != 0; }), plays) << system;
    }
    chooseSoundfont({});
}

} // namespace
