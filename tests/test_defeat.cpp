// The end of a fight: the enemy's vanishing with its memory and rewards,
// the soul's two deaths, and the end of the run.
#include <gtest/gtest.h>

#include <filesystem>

#include "battle/defeat.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"

namespace {

using Lines = std::vector<std::string>;

class Defeat : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        for (QTimer* t : {f.Timer1, f.Timer3, f.Timer4})
            t->stop();
        f.start_box->hide();
        clickWait = 1;
        my.currentArea = 4;
        my.difficulty = 1;
        my.playerName.clear();
        my.karma = 0;
        my.tryCount = 0;
        my.score = 0;
        my.soul = my.maxSoul = 20;
        my.deathEnergy = 100;
        my.distance = 30;
        my.memory = 0;
        my.consciousness = 5;   // threshold 200: no level unless a test wants one
        my.itemCount.fill(0);
        inBattle = 1;
        guardianBattle = 0;
        enemyMaxHp = 10;
        enemyHp = 0;
        enemyItem = -1;
        enemyAlignment = enemySpecial = 0;
        showPicture("bak1.bmp");
        f.state_l3->setCaption("ヒトダマ"_sj);
        game.clickThrough();
    }
    bool playButtons() const { return visible(f.walk_b) && visible(f.battle_b) && f.item_list->isEnabled(); }
    bool sceneIs(const char* picture) const
    {
        return f.cg->picture == QImage(QString::fromStdString(game.dir.cg(picture))).convertToFormat(f.cg->picture.format());
    }
    // Defeats the enemy and returns the memory it left.
    int memoryFrom(int strength, int maxSoul, int karma = 0)
    {
        my.memory = 0;
        my.maxSoul = maxSoul;
        my.karma = karma;
        enemyMaxHp = strength;
        game.said.clear();
        DefeatEnemy();
        EXPECT_EQ(game.said.at(1), "姿を消した....\r記憶が "_sj + num(my.memory) + "増えた"_sj);
        return my.memory;
    }
};

TEST_F(Defeat, TheEnemyVanishesAndTheButtonsReturn)
{
    DefeatEnemy();
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(f.state_l3->caption(), "");
    EXPECT_TRUE(sceneIs("bak3.bmp"));
    EXPECT_EQ(game.cues(2), Lines{"die.wav"});
    EXPECT_EQ(game.cues(1), Lines{"15.wav"});
    EXPECT_EQ(game.said, (Lines{"姿を消した...."_sj, "姿を消した....\r記憶が 15増えた"_sj, "死のエネルギーが 10増えた"_sj}));
    EXPECT_EQ(my.deathEnergy, 110);
    EXPECT_EQ(f.e_hp_l->caption(), "");
    EXPECT_TRUE(playButtons());
    EXPECT_FALSE(visible(f.lvup_box));
}

TEST_F(Defeat, MemoryFallsAsTheEnemyWeakens)
{
    EXPECT_EQ(memoryFrom(10, 10), 25);
    EXPECT_EQ(memoryFrom(10, 20), 15);
    EXPECT_EQ(memoryFrom(10, 30), 7);
    EXPECT_EQ(memoryFrom(10, 40), 3);
    EXPECT_EQ(memoryFrom(10, 50), 1);
    EXPECT_EQ(memoryFrom(10, 20, 9), 17);   // karma 9 adds 9/4
    EXPECT_EQ(memoryFrom(10, 20, -9), 15);  // a dark soul gets nothing more
}

TEST_F(Defeat, ANegligibleEnemyStillLeavesATrace)
{
    EXPECT_EQ(memoryFrom(1, 10), 1);   // the first ヒトダマ against a new soul
    EXPECT_EQ(memoryFrom(10, 51), 1);
    EXPECT_EQ(memoryFrom(0, 10), 1);
    EXPECT_EQ(memoryFrom(-4, 10), 1);
    EXPECT_EQ(memoryFrom(1, 10, 8), 3);
}

TEST_F(Defeat, ALevelComesPastTheThresholdAndWaitsForTheChoice)
{
    my.consciousness = 0;
    my.memory = 75;   // + 25 = 100: not yet
    my.maxSoul = 10;
    DefeatEnemy();
    EXPECT_EQ(my.memory, 100);
    EXPECT_EQ(my.consciousness, 0);
    EXPECT_FALSE(visible(f.lvup_box));

    game.said.clear();
    my.playerName = "ミオ"_sj;
    my.currentArea = 0;
    my.tryCount = 2;
    my.deathEnergy = 100;
    enemyItem = 3;
    inBattle = 1;
    DefeatEnemy();   // 125 > 100
    EXPECT_EQ(my.consciousness, 1);
    EXPECT_EQ(my.memory, 0);   // the excess is lost
    EXPECT_EQ(game.said.back(), "姿を消した....\r記憶が 25増えた\rミオは成長した!!"_sj);
    EXPECT_EQ(game.cues(2).back(), "lvup.wav");
    EXPECT_EQ(my.score, 50 * 2 + 100 / 4 + 2);   // NOMAL, area 0, two tries
    EXPECT_TRUE(visible(f.lvup_box));
    EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b) || f.item_list->isEnabled());
    // The rewards wait for the choice.
    EXPECT_EQ(my.itemCount[3], 0);
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(enemyItem, 3);
}

TEST_F(Defeat, TheHeldItemComesBeforeTheEnergyAndStopsAt99)
{
    enemyItem = 3;
    my.itemCount[3] = 5;
    DefeatEnemy();
    EXPECT_EQ(game.said.at(2), "姿を消した....\r記憶が 15増えた\r【"_sj + itemTable[3].name + "】を入手した!!"_sj);
    EXPECT_EQ(game.said.at(3), "死のエネルギーが 10増えた"_sj);
    EXPECT_EQ(my.itemCount[3], 6);
    EXPECT_EQ(f.item_list->count(), 1);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[3].name);

    my.itemCount[3] = 99;
    inBattle = 1;
    DefeatEnemy();
    EXPECT_EQ(my.itemCount[3], 99);
}

TEST_F(Defeat, DarkKarmaFeedsTheEnergyAndTheNeutralSpiritHalvesIt)
{
    my.karma = -7;
    GrantDefeatRewards();
    EXPECT_EQ(game.said.back(), "死のエネルギーが 13増えた"_sj);
    EXPECT_EQ(my.deathEnergy, 113);

    enemySpecial = 3;
    GrantDefeatRewards();
    EXPECT_EQ(game.said.back(), "死のエネルギーが 6増えた"_sj);
    EXPECT_EQ(my.deathEnergy, 119);
    EXPECT_EQ(enemySpecial, 0);
}

TEST_F(Defeat, TheEnemysAlignmentMovesKarmaTheOtherWay)
{
    enemyAlignment = 2;   // a holy enemy
    GrantDefeatRewards();
    EXPECT_EQ(my.karma, -2);
    EXPECT_EQ(game.cues(0), Lines{"carma_down.wav"});

    enemyAlignment = -6;   // a dark one
    GrantDefeatRewards();
    EXPECT_EQ(my.karma, 4);

    // Drainers and burners weigh only when a coin toss says so.
    for (int special : {1, 2}) {
        enemyAlignment = 3;
        enemySpecial = special;
        feedDraws({1});
        GrantDefeatRewards();
        EXPECT_EQ(my.karma, 4) << special;
        EXPECT_EQ(enemySpecial, 0);
        enemySpecial = special;
        feedDraws({0});
        GrantDefeatRewards();
        EXPECT_EQ(my.karma, 1) << special;
        my.karma = 4;
    }
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Defeat, TheManagersAreasAddAPointOfScore)
{
    for (int area : {5, 6, 7}) {
        my.currentArea = area;
        my.score = 0;
        GrantDefeatRewards();
        EXPECT_EQ(my.score, area == 5 ? 0 : 3) << area;   // NOMAL 2, + 2/2
    }
}

TEST_F(Defeat, AGuardiansFallConquersAndLeavesTheButtonsToTheMap)
{
    guardianBattle = 1;
    my.deathEnergy = 50;
    hidePlayButtons();
    GrantDefeatRewards();
    EXPECT_EQ(guardianBattle, 0);
    EXPECT_EQ(my.deathEnergy, 60);   // the rewards come first
    EXPECT_FALSE(visible(f.walk_b));
    EXPECT_FALSE(visible(f.battle_b));
}

TEST_F(Defeat, DyingInBattleOnEasyKeepsTheSoulsSize)
{
    my.difficulty = 0;
    my.soul = 0;
    my.maxSoul = 20;
    guardianBattle = 1;
    enemySpecial = 4;
    enemyHp = 7;
    DieInBattle();
    EXPECT_EQ(game.said, (Lines{"あなたは死んでしまった...."_sj, "死のエネルギーを 100ロストした...."_sj, "50Km戻された...."_sj}));
    EXPECT_EQ(my.maxSoul, 20);
    EXPECT_EQ(my.soul, 5);
    EXPECT_EQ(my.deathEnergy, 0);
    EXPECT_EQ(my.distance, -20);
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(guardianBattle, 0);
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(enemySpecial, 0);
    EXPECT_EQ(f.state_l3->caption(), "");
    EXPECT_EQ(game.cues(1), Lines{"16.wav"});
    EXPECT_TRUE(sceneIs("bak1.bmp"));
    EXPECT_TRUE(playButtons());
}

TEST_F(Defeat, DyingInBattleAboveEasyCostsASizeAndRisesWithOne)
{
    my.playerName = "ミオ"_sj;
    my.deathEnergy = 60;
    DieInBattle();
    EXPECT_EQ(game.said, (Lines{"ミオは死んでしまった...."_sj, "死のエネルギーを 100ロストした...."_sj,
                               "最大魂が 1減少してしまった...."_sj, "50Km戻された...."_sj}));
    EXPECT_EQ(my.maxSoul, 19);
    EXPECT_EQ(my.soul, 1);
    EXPECT_EQ(my.deathEnergy, -40);   // the next ordinary step ends the run

    my.maxSoul = 1;
    DieInBattle();
    EXPECT_EQ(my.maxSoul, 1);
}

TEST_F(Defeat, DyingOnTheRoadCostsASizeEvenOnEasy)
{
    EXPECT_FALSE(CheckDeath());   // soul 20: nothing happens
    EXPECT_TRUE(game.said.empty());
    EXPECT_EQ(game.cueCount(), 0u);

    my.difficulty = 0;
    my.soul = -2;
    enemySpecial = 5;
    enemyHp = 4;
    showPlayButtons();
    EXPECT_TRUE(CheckDeath());
    EXPECT_EQ(game.said, (Lines{"あなたは死んでしまった...."_sj, "死のエネルギーを 100ロストした...."_sj,
                               "最大魂が 1減少してしまった...."_sj, "50Km戻された...."_sj}));
    EXPECT_EQ(my.maxSoul, 19);
    EXPECT_EQ(my.soul, 1);
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(enemySpecial, 5);   // left alone
    EXPECT_TRUE(playButtons());

    my.maxSoul = 1;
    my.soul = 0;
    EXPECT_TRUE(CheckDeath());
    EXPECT_EQ(my.maxSoul, 1);
    EXPECT_EQ(my.soul, 1);
}

TEST_F(Defeat, NoButtonWorksWhileADeathIsTold)
{
    for (bool inFight : {true, false}) {
        SCOPED_TRACE(inFight);
        my.soul = 0;
        showPlayButtons();
        f.battle_b2->show();   // a soul-sword release glowing on the button
        f.select_box->show();   // a question asked on the same step
        std::vector<bool> usable;   // at every pass of the event loop until the soul stands up
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            usable.push_back(visible(f.walk_b) || visible(f.battle_b) || visible(f.battle_b2) || f.item_list->isEnabled() ||
                             f.BitBtn1->isEnabled());
        });
        watch.start(0);
        inFight ? DieInBattle() : (void)CheckDeath();
        watch.stop();
        ASSERT_GE(usable.size(), 4u);
        EXPECT_EQ(std::count(usable.begin(), usable.end(), true), 0);
        // The soul stands up to the question still to be answered; the
        // answer gives the buttons back.
        EXPECT_TRUE(visible(f.select_box) && f.BitBtn1->isEnabled());
        EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b));
        f.select_box->hide();
    }
    my.soul = 0;
    CheckDeath();
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));   // with no question, at once
}

TEST_F(Defeat, GameOverReturnsToTheTitleWithTheLastSave)
{
    my.deathEnergy = 77;
    my.soul = 9;
    my.currentArea = 2;
    saveGame();
    my.deathEnergy = -3;
    my.soul = 1;
    inBattle = 1;   // a spirit had attacked on the step that ran out of energy
    enemyHp = 6;
    guardianBattle = 1;
    const int frame = titleFrame;
    showPlayButtons();
    GameOver();
    EXPECT_EQ(game.said, (Lines{"死のエネルギーが底を付いてしまった...."_sj,
                               "死のエネルギーが底を付いてしまった....\rこうなっては、魂の悪あがきもここまでだろう"_sj,
                               "～貴方という瞬きは停止した～"_sj, "ＧＡＭＥ　ＯＶＥＲ"_sj}));
    EXPECT_EQ(my.deathEnergy, 77);
    EXPECT_EQ(my.soul, 9);
    EXPECT_EQ(my.currentArea, 2);
    EXPECT_TRUE(visible(f.start_box));
    EXPECT_FALSE(visible(f.walk_b));
    EXPECT_EQ(inBattle, 0);   // the save is continued without the fight
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(guardianBattle, 0);
    EXPECT_EQ(f.mid_p->FileName, game.dir.dat("miruhe.mid"));   // the title's own music
    f.Timer1Timer();
    EXPECT_EQ(titleFrame, (frame + 1) % 100);   // and its animation runs again
}

// Through GAME OVER's words nothing of the run can be pressed, and no
// question or name asked on its last step survives into the next run.
TEST_F(Defeat, GameOverTakesEverythingOfTheRunAway)
{
    saveGame();
    my.deathEnergy = -1;
    showPlayButtons();
    f.battle_b2->show();
    f.select_box->show();
    pendingQuestion = 9;
    f.name_box->show();
    foundHole = 1;
    std::vector<bool> usable;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        usable.push_back(visible(f.walk_b) || visible(f.battle_b) || visible(f.battle_b2) || f.item_list->isEnabled() ||
                         visible(f.select_box) || visible(f.name_box));
    });
    watch.start(0);
    GameOver();
    watch.stop();
    ASSERT_GE(usable.size(), 4u);
    EXPECT_EQ(std::count(usable.begin(), usable.end(), true), 0);
    EXPECT_FALSE(visible(f.select_box) || visible(f.name_box));
    EXPECT_EQ(foundHole, 0);   // nothing of the last step lies at the feet of the continued run
}

TEST_F(Defeat, AGameOverWithoutASaveStillReachesTheTitle)
{
    std::filesystem::remove(game.dir.dat("my.dat"));
    my.deathEnergy = -1;
    GameOver();
    ASSERT_EQ(game.boxes.size(), 1u);
    EXPECT_NE(game.boxes[0].find("ﾌｧｲﾙ"_sj), std::string::npos);
    EXPECT_TRUE(visible(f.start_box));
}

} // namespace
