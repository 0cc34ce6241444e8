// Music: a file plays, loops from its start without a gap, and fails
// silently without the file or without a soundfont.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>

#include "mixer/virtual_audio.h"
#include "tests/support/game.h"
#include "ui/music.h"

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
    play(2.5);
    EXPECT_EQ(notices, 2);   // after the first and the second second
    const auto& music = virtualMusicCapture();
    ASSERT_GE(music.size(), size_t(2.4 * musicSampleRate * 2));
    // The note sounds in each pass, right from the start of the pass.
    EXPECT_GT(rms(music, 0.05, 0.5), 300);
    EXPECT_GT(rms(music, 1.05, 1.5), 300);
    EXPECT_GT(rms(music, 2.05, 2.4), 300);
    EXPECT_TRUE(f.mid_p->playing());
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
    EXPECT_LT(rms(virtualMusicCapture(), 0.1, 0.5), 50);   // the note was cut
    playMusic("nothere.mid");
    EXPECT_FALSE(f.mid_p->playing());
    EXPECT_TRUE(game.boxes.empty());
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

} // namespace
