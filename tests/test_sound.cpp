// Sound cues as the game plays them: each file loaded once and reused, a
// missing file silent, the cue heard on the output, every wave freed once.
#include <gtest/gtest.h>

#include "core/state.h"
#include "mixer/sound_mixer.h"
#include "mixer/virtual_audio.h"
#include "tests/support/game.h"
#include "ui/sound.h"

namespace {

TEST(Cues, StartUpFillsEverySlotWithTheSameWave)
{
    TestGame game;
    TForm1& f = game.form();
    ASSERT_EQ(f.waves.size(), 1u);
    for (MixWave* w : f.cueWave)
        EXPECT_EQ(w, f.waves.at("1.wav"));
    EXPECT_EQ(game.cueCount(), 0u);   // loaded, not played
}

TEST(Cues, EachFileIsLoadedOnceAndReused)
{
    TestGame game;
    TForm1& f = game.form();
    playCue(0, "2.wav");
    MixWave* first = f.waves.at("2.wav");
    playCue(2, "2.wav");
    playCue(0, "b.wav");
    EXPECT_EQ(f.waves.size(), 3u);
    EXPECT_EQ(f.waves.at("2.wav"), first);
    EXPECT_EQ(f.cueWave[2], first);
    EXPECT_EQ(f.cueWave[0], f.waves.at("b.wav"));
    EXPECT_EQ(game.cues(0), (std::vector<std::string>{"2.wav", "b.wav"}));
    EXPECT_EQ(game.cues(2), std::vector<std::string>{"2.wav"});
}

TEST(Cues, AMissingFileIsSilentAndTheCallerGoesOn)
{
    TestGame game;
    TForm1& f = game.form();
    my.coins = 1;
    playCue(1, "nothere.wav");
    my.coins = 2;
    EXPECT_EQ(my.coins, 2);
    EXPECT_EQ(f.waves.count("nothere.wav"), 0u);
    EXPECT_EQ(game.cueCount(), 0u);
    EXPECT_TRUE(game.boxes.empty());
}

TEST(Cues, ACueIsHeardOnTheOutput)
{
    TestGame game;
    virtualClearCapture();
    playCue(3, "click.wav");
    for (int i = 0; i < 8; ++i) {
        virtualPlay(1024);
        virtualDeliver();
    }
    const auto& heard = virtualWaveCapture();
    const auto loud = std::count_if(heard.begin(), heard.end(), [](uint8_t b) { return b < 118 || b > 138; });
    EXPECT_GT(loud, 50);
    EXPECT_TRUE(game.cues(3).empty());   // played to its end and taken off the queue
}

TEST(Cues, ShutdownFreesEveryWaveOnce)
{
    TestGame game;
    TForm1& f = game.form();
    playCue(1, "pi.wav");
    playCue(3, "click.wav");
    f.FormDestroy();
    EXPECT_TRUE(f.waves.empty());
    for (MixWave* w : f.cueWave)
        EXPECT_EQ(w, nullptr);
    f.FormDestroy();   // the window's own destruction runs it again: nothing left to free
    EXPECT_TRUE(f.waves.empty());
}

} // namespace
