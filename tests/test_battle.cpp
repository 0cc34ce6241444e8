// The battle button in a fight: starting it, the soul's blow with its tags,
// the enemy's answer and its special attacks, and how a turn ends.
#include <gtest/gtest.h>

#include <QTest>

#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"

namespace {

using Lines = std::vector<std::string>;

class Battle : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        for (QTimer* t : {f.Timer1, f.Timer3, f.Timer4})
            t->stop();
        f.start_box->hide();
        clickWait = 1;   // no click awaited yet
        my.currentArea = 4;
        my.difficulty = 1;
        my.playerName.clear();
        my.karma = 0;
        my.soul = my.maxSoul = 30;
        my.soulSword = 2;
        my.soulArmor = 1;
        my.deathEnergy = 100;
        my.memory = my.consciousness = 0;
        my.statusFaith = my.statusPoison = 0;
        inBattle = guardianBattle = soulSwordReleased = 0;
        foundJewel = foundTree = foundCorpse = foundObject = foundSealedCorpse = foundOrb = 0;
        sealMarkState = emptySearchCount = 0;
        enemyHp = 0;
        showPicture("bak1.bmp");
        showPlayButtons();
    }
    void TearDown() override { EXPECT_EQ(pendingDraws(), 0) << "the turn took fewer draws than scripted"; }

    // An enemy of this strength attacks; it then has `hp` hit points left.
    void fight(int strength, int hp, int special = 0, int alignment = 0)
    {
        enemyMaxHp = strength;
        enemyItem = -1;
        enemyAlignment = alignment;
        enemySpecial = special;
        fadeInPortrait("1.bmp");
        showProfile("ヒトダマ"_sj);
        ambush();
        enemyHp = hp;
    }
    // The slash of the prelude draws 20 times: its start, then the width
    // and the end of each of its six segments.
    static void feedSlash()
    {
        for (int i = 0; i < 20; ++i)
            feedDraws({0});
    }
    // One click of the battle button with the draws of the turn after the
    // slash: the enemy's base, the soul's base, then the four tags.
    void turn(std::initializer_list<int> draws)
    {
        feedSlash();
        feedDraws(draws);
        f.battle_bClick();
    }
    static Lines lines(const std::string& message)
    {
        Lines out(1);
        for (char c : message) {
            if (c == '\r')
                out.emplace_back();
            else
                out.back().push_back(c);
        }
        return out;
    }
};

// No tag fires on a draw of 1 out of 20.
constexpr int quiet = 1;

TEST_F(Battle, AQuietTurnIsOneBlowEachWay)
{
    fight(12, 100);
    // Soul: R(2) 0 + 30/3 + sword 2 = 12. Enemy: R(2) 1 + 12/3 - armour 1 = 4.
    turn({1, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(f.moji_l->caption(), "\r12ダメージ与えた\r4ダメージくらった...."_sj);
    EXPECT_EQ(enemyHp, 88);
    EXPECT_EQ(my.soul, 26);
    EXPECT_EQ(f.e_hp_l->caption(), " hp:88 / 12");
    EXPECT_EQ(inBattle, 1);
    EXPECT_TRUE(visible(f.battle_b));   // the fight goes on with the next click
    EXPECT_FALSE(visible(f.walk_b));
    EXPECT_EQ(game.cues(2), Lines{"18.wav"});
    EXPECT_EQ(game.cues(0), Lines{"1.wav"});

    // The other ends of both coin tosses: 13 and 3.
    turn({0, 1, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(f.moji_l->caption(), "\r13ダメージ与えた\r3ダメージくらった...."_sj);
    EXPECT_EQ(enemyHp, 75);
    EXPECT_EQ(my.soul, 23);
}

TEST_F(Battle, TheSmallestBlowIsOneUntilAGuardHalvesIt)
{
    my.maxSoul = my.soul = 1;
    my.soulSword = 0;
    my.karma = 5;
    fight(30, 50, 0, 3);   // a holy spirit against a holy soul: one softer
    turn({0, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, 0 /* miss */});
    EXPECT_EQ(lines(f.moji_l->caption())[1], "1ダメージ与えた"_sj);
    EXPECT_EQ(enemyHp, 49);
    EXPECT_EQ(my.soul, 1);   // the enemy missed

    turn({0, 0, quiet, quiet, 0 /* guard */, quiet, quiet, quiet, quiet, 0});
    EXPECT_EQ(lines(f.moji_l->caption()), (Lines{"", "[ガード]"_sj, "0ダメージ与えた"_sj, "[Miss....]"_sj,
                                                "0ダメージくらった...."_sj}));
    EXPECT_EQ(enemyHp, 49);
}

TEST_F(Battle, ReleaseCriticalAndDarkKarmaMultiplyAndAMissTakesItAll)
{
    my.maxSoul = my.soul = 9;
    my.soulSword = 0;
    my.karma = -11;
    soulSwordReleased = 1;
    fight(3, 500);
    f.Timer4Timer();
    f.Timer4Timer();
    ASSERT_TRUE(visible(f.battle_b2));   // the button glows
    // 3, released 2*3+2 = 8, dark karma 16, critical 32.
    turn({0, 0, 0, 0, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_FALSE(visible(f.battle_b2));   // spent: its glow goes with it
    EXPECT_EQ(lines(f.moji_l->caption()), (Lines{"", "[魂の剣の解放]"_sj, "[暗黒のカルマ]"_sj, "[クリティカル]"_sj,
                                                "32ダメージ与えた"_sj, "1ダメージくらった...."_sj}));
    EXPECT_EQ(enemyHp, 468);
    EXPECT_EQ(soulSwordReleased, 0);

    soulSwordReleased = 1;
    turn({0, 0, 0, 0, 0, 0, quiet, quiet, quiet, quiet});
    EXPECT_EQ(lines(f.moji_l->caption()),
              (Lines{"", "[魂の剣の解放]"_sj, "[暗黒のカルマ]"_sj, "[クリティカル]"_sj, "[ガード]"_sj, "[Miss....]"_sj,
                     "0ダメージ与えた"_sj, "1ダメージくらった...."_sj}));
    EXPECT_EQ(enemyHp, 468);
    EXPECT_EQ(soulSwordReleased, 0);   // spent on nothing
}

TEST_F(Battle, KarmaTagsBeginPastTen)
{
    const struct {
        int karma;
        bool dark, holy;
    } cases[] = {{-10, false, false}, {-11, true, false}, {10, false, false}, {11, false, true}};
    for (const auto& c : cases) {
        my.karma = c.karma;
        my.soul = 30;
        fight(30, 500);   // enemy base R(2) 0 + 10 - 1 = 9
        turn({0, 0, 0 /* dark */, quiet, quiet, quiet, quiet, 0 /* holy */, quiet, quiet});
        const std::string message = f.moji_l->caption();
        EXPECT_EQ(message.find("[暗黒のカルマ]"_sj) != std::string::npos, c.dark) << c.karma;
        EXPECT_EQ(message.find("[聖なるカルマ]"_sj) != std::string::npos, c.holy) << c.karma;
        EXPECT_EQ(my.soul, 30 - (c.holy ? 9 / 2 : 9)) << c.karma;
    }
}

TEST_F(Battle, AlignmentWeighsOnBothBlows)
{
    my.karma = -3;
    fight(12, 100, 0, 2);   // opposite sides: each blow one harder
    turn({1, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(lines(f.moji_l->caption()), (Lines{"", "13ダメージ与えた"_sj, "5ダメージくらった...."_sj}));

    my.karma = 3;   // the same side: each blow one softer
    turn({1, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(lines(f.moji_l->caption()), (Lines{"", "11ダメージ与えた"_sj, "3ダメージくらった...."_sj}));

    my.karma = 0;   // a neutral soul: as they are
    turn({1, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(lines(f.moji_l->caption()), (Lines{"", "12ダメージ与えた"_sj, "4ダメージくらった...."_sj}));
}

TEST_F(Battle, ArmourBeyondTheEnemysStrengthTurnsItsSpecialsAround)
{
    // Enemy base: R(2) 0 + 3/3 - armour 4 = -3.
    my.soulArmor = 4;
    my.maxSoul = 10;
    my.soul = 10;
    my.soulSword = 0;
    fight(3, 50);
    turn({0, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(lines(f.moji_l->caption())[2], "1ダメージくらった...."_sj);   // still one
    EXPECT_EQ(my.soul, 9);
    EXPECT_EQ(enemyHp, 47);

    enemySpecial = 1;   // the drain gives back: -2
    turn({0, 0, quiet, quiet, quiet, quiet, 1 /* drain */});
    EXPECT_EQ(lines(f.moji_l->caption())[2], "魂を -2吸われてしまった....!!"_sj);
    EXPECT_EQ(my.soul, 10);   // 11, pulled back to the soul's size
    EXPECT_EQ(enemyHp, 47 - 3 - 2);

    enemySpecial = 2;   // the burn gives: -5
    turn({0, 0, quiet, quiet, quiet, quiet, 1 /* burn */});
    EXPECT_EQ(lines(f.moji_l->caption())[2], "聖なる力によって、死のエネルギーを -5消滅させられた....!!"_sj);
    EXPECT_EQ(my.deathEnergy, 105);
}

TEST_F(Battle, TheDrainFeedsTheEnemy)
{
    fight(12, 100, 1);
    turn({1, 0, quiet, quiet, quiet, quiet, 1 /* drain */});
    EXPECT_EQ(lines(f.moji_l->caption()), (Lines{"", "12ダメージ与えた"_sj, "魂を 5吸われてしまった....!!"_sj}));
    EXPECT_EQ(my.soul, 25);
    EXPECT_EQ(enemyHp, 93);
    EXPECT_EQ(f.e_hp_l->caption(), " hp:93 / 12");

    turn({1, 0, quiet, quiet, quiet, quiet, 0 /* plain hit */, quiet, quiet, quiet, quiet});
    EXPECT_EQ(lines(f.moji_l->caption())[2], "4ダメージくらった...."_sj);
}

TEST_F(Battle, EachSpecialAttackAndItsChance)
{
    const struct {
        int special, fires, misses;
        std::string line;
    } cases[] = {
        {2, 1, 0, "聖なる力によって、死のエネルギーを 5消滅させられた....!!"_sj},
        {3, 3, 2, "敵はＭ法を唱えた 魂半減"_sj},
        {4, 4, 3, "敵は聖なる呪文を唱えた 【信】化"_sj},
        {5, 4, 0, "敵は毒液を吐き出した!! 【毒】化"_sj},
    };
    for (const auto& c : cases) {
        my.soul = 29;
        my.deathEnergy = 100;
        my.statusFaith = my.statusPoison = 0;
        fight(9, 100, c.special);   // enemy base R(2) 0 + 3 - 1 = 2
        turn({0, 0, quiet, quiet, quiet, quiet, c.fires});
        EXPECT_EQ(lines(f.moji_l->caption())[2], c.line) << c.special;
        EXPECT_EQ(my.deathEnergy, c.special == 2 ? 95 : 100);
        EXPECT_EQ(my.soul, c.special == 3 ? 15 : 29);   // 29 - 29/2
        EXPECT_EQ(my.statusFaith, c.special == 4 ? 1 : 0);
        EXPECT_EQ(my.statusPoison, c.special == 5 ? 1 : 0);

        my.soul = 29;
        turn({0, 0, quiet, quiet, quiet, quiet, c.misses, quiet, quiet, quiet, quiet});
        EXPECT_EQ(lines(f.moji_l->caption())[2], "2ダメージくらった...."_sj) << c.special;
        EXPECT_EQ(my.soul, 27);
    }
    EXPECT_EQ(game.cues(2).back(), "18.wav");
}

TEST_F(Battle, AFallingEnemyDoesNotAnswer)
{
    game.clickThrough();
    fight(12, 3);
    turn({1, 0, quiet, quiet, quiet, quiet});
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(my.soul, 30);
    const Lines cues = game.cues(2);
    EXPECT_EQ(std::count(cues.begin(), cues.end(), "18.wav"), 0);
    EXPECT_EQ(game.said.at(0), "姿を消した...."_sj);
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));   // the rewards gave the buttons back
}

TEST_F(Battle, AnEnemyPushedBelowZeroByAnItemIsStillHitThenFalls)
{
    game.clickThrough();
    fight(12, -5);
    turn({1, 0, quiet, quiet, quiet, 0 /* miss */});
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(game.said.at(0), "姿を消した...."_sj);
    EXPECT_EQ(game.cues(2).at(0), "die.wav");   // no answer came first
}

TEST_F(Battle, ASoulAlreadyGoneDiesEvenAsTheEnemyFalls)
{
    game.clickThrough();
    fight(12, 1);
    my.soul = 0;   // an item took the last of it
    turn({1, 0, quiet, quiet, quiet, quiet});
    EXPECT_EQ(game.said.at(0), "あなたは死んでしまった...."_sj);
    for (const std::string& line : game.said)
        EXPECT_EQ(line.find("姿を消した"_sj), std::string::npos);
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(my.deathEnergy, 0);
}

TEST_F(Battle, AStandingCharacterIsAttackedWithoutABlow)
{
    enemyMaxHp = 8;
    enemyItem = -1;
    fadeInPortrait("1.bmp");
    showProfile("ヒトダマ"_sj);   // left standing by its scene
    setMessage("……"_sj);
    QTest::mouseClick(f.battle_b, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(inBattle, 1);
    EXPECT_EQ(enemyHp, 8);
    EXPECT_EQ(f.moji_l->caption(), "襲ってきた!!"_sj);
    EXPECT_EQ(game.cues(2), Lines{"10.wav"});
    EXPECT_EQ(game.cues(3), Lines{"12.wav"});
    EXPECT_TRUE(game.cues(0).empty());   // no slash, no "1.wav"
}

TEST_F(Battle, TheButtonIsDeadWhileTheSecondWindowShows)
{
    fight(12, 100);
    Form2->show();
    f.battle_bClick();
    EXPECT_EQ(enemyHp, 100);
    EXPECT_EQ(f.moji_l->caption(), "襲ってきた!!"_sj);
    Form2->hide();
}

TEST_F(Battle, ThePreludeDropsTheSelection)
{
    fight(12, 100);
    selectedItem = 3;
    f.item_b->show();
    f.item_l_box->show();
    turn({1, 0, quiet, quiet, quiet, quiet, quiet, quiet, quiet, quiet});
    EXPECT_EQ(selectedItem, -1);
    EXPECT_FALSE(visible(f.item_b));
    EXPECT_FALSE(visible(f.item_l_box));
}

} // namespace
