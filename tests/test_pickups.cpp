// The pickups on the field: the coin, the rift, the seal mark and the time
// shard, clicked as a player clicks them.
#include <gtest/gtest.h>

#include <QTest>

#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"

namespace {

using Cues = std::vector<std::string>;

class Pickups : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();
        f.Timer4->stop();
        clickWait = 1;
        f.start_box->hide();
        my.currentArea = 5;
        my.coins = 0;
        my.karma = 0;
        my.soul = my.maxSoul = 10;
        my.deathEnergy = 50;
        my.itemCount.fill(0);
    }
    // Puts the pickup on the field and clicks it with the mouse.
    void click(TImage* pickup)
    {
        pickup->move(120, 200);
        pickup->raise();
        QTest::mouseClick(f.windowHandle(), Qt::LeftButton, {}, {145, 225});
    }
    // The coins one click on a coin brings, at this karma and draw.
    int coinsFound(int karma, std::initializer_list<int> draws)
    {
        my.karma = karma;
        my.coins = 0;
        feedDraws(draws);
        click(f.coin_cg);
        EXPECT_EQ(pendingDraws(), 0) << karma;
        EXPECT_EQ(f.coin_cg->x(), -50) << karma;
        return my.coins;
    }
    std::string message() const { return f.moji_l->caption(); }
};

TEST_F(Pickups, AnEvilHandMayCrushTheCoin)
{
    EXPECT_EQ(coinsFound(-10, {}), 1);   // no draw: -10 never loses one
    EXPECT_EQ(coinsFound(-11, {1}), 1);
    EXPECT_EQ(message(), "金貨：1枚を見つけた"_sj);
    EXPECT_EQ(coinsFound(-11, {0}), 0);
    EXPECT_EQ(message(), "金貨は手に取る前に砕けてしまった...."_sj);
    EXPECT_EQ(game.cues(1), (Cues{"coin.wav", "coin.wav"}));   // a crushed coin makes no sound
}

TEST_F(Pickups, AHolyHandMayFindTwo)
{
    EXPECT_EQ(coinsFound(10, {}), 1);
    EXPECT_EQ(coinsFound(11, {1}), 1);
    EXPECT_EQ(coinsFound(11, {0}), 2);
    EXPECT_EQ(message(), "金貨：2枚を見つけた"_sj);
    EXPECT_EQ(coinsFound(99, {2}), 1);
}

TEST_F(Pickups, ARiftClosedByHandPaysACoin)
{
    click(f.koku_cg);
    EXPECT_EQ(f.koku_cg->x(), -50);
    EXPECT_EQ(my.coins, 1);
    EXPECT_EQ(message(), "刻印を焼却した 金貨+1"_sj);
    EXPECT_EQ(game.cues(1), Cues{"koku.wav"});
    EXPECT_EQ(my.soul, 10);
}

TEST_F(Pickups, AHotSealMarkBurnsUntilASearchCoolsIt)
{
    sealMarkState = 1;
    for (int i = 0; i < 3; ++i)
        click(f.doku_cg);
    EXPECT_EQ(my.soul, 7);
    EXPECT_EQ(message(), "焼けどした"_sj);
    EXPECT_EQ(f.doku_cg->x(), 120);   // it stays
    EXPECT_EQ(sealMarkState, 1);
    EXPECT_EQ(game.cues(1), Cues(3, "18.wav"));
    EXPECT_EQ(my.coins, 0);

    sealMarkState = 2;
    feedDraws({3});
    click(f.doku_cg);
    EXPECT_EQ(f.doku_cg->x(), -50);
    EXPECT_EQ(my.coins, 1);
    EXPECT_EQ(message(), "刻印を解いた 金貨+1"_sj);
    EXPECT_EQ(sealMarkState, 0);
    EXPECT_EQ(my.soul, 7);
    EXPECT_EQ(game.cues(1).back(), "koku.wav");
}

TEST_F(Pickups, ACooledSealMarkMayHoldASealedCoin)
{
    sealMarkState = 2;
    my.itemCount[105] = 0;
    feedDraws({0});
    click(f.doku_cg);
    EXPECT_EQ(my.itemCount[105], 1);
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(message(), "刻印を解いた 封印金貨+1"_sj);
    EXPECT_EQ(sealMarkState, 0);
    ASSERT_EQ(f.item_list->count(), 1);   // in the list at once
    EXPECT_EQ(f.item_list->itemText(0), itemTable[105].name);
}

TEST_F(Pickups, ATimeShardNeverPaysNothing)
{
    feedDraws({0});
    click(f.toki_cg);
    EXPECT_EQ(my.deathEnergy, 51);
    EXPECT_EQ(message(), "死のエネルギーが 1回復した!!"_sj);
    feedDraws({9});
    click(f.toki_cg);
    EXPECT_EQ(my.deathEnergy, 61);
    EXPECT_EQ(message(), "死のエネルギーが 10回復した!!"_sj);
    EXPECT_EQ(f.toki_cg->x(), -50);
    EXPECT_EQ(game.cues(1), (Cues{"toki.wav", "toki.wav"}));
}

TEST_F(Pickups, PickupsAnswerEvenDuringAFight)
{
    inBattle = 1;
    feedDraws({4});
    click(f.toki_cg);
    EXPECT_EQ(my.deathEnergy, 55);
    click(f.koku_cg);
    EXPECT_EQ(my.coins, 1);
}

} // namespace
