// The inventory list, choosing an item and using it, kind by kind.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "core/datafile.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "items/inventory.h"
#include "tests/support/game.h"
#include "ui/status.h"

namespace {

using Cues = std::vector<std::string>;

// An id the shipped table leaves empty; the tests put their own item there.
constexpr int trial = 200;

class Items : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();   // the refresh runs when the test says
        f.Timer3->stop();
        f.Timer4->stop();
        f.start_box->hide();
        my.itemCount.fill(0);
        my.areaClears.fill(0);
        my.score = 0;
        my.currentArea = 4;
        my.difficulty = 1;
        my.karma = 0;
        my.soul = 10;
        my.maxSoul = 30;
        my.deathEnergy = 100;
        my.tryCount = 0;
        inBattle = guardianBattle = enemyHp = enemyAlignment = soulSwordReleased = 0;
        clickWait = 1;
    }
    // Holds `count` of the trial item of this kind and value, chosen in the list.
    void hold(int kind, int value, int count = 2)
    {
        itemTable[trial] = {"試しの品"_sj, "試すための品"_sj, kind, value};
        my.itemCount[trial] = count;
        rebuildItemList();
        choose(f.item_list->count() - 1);
    }
    void choose(int row)
    {
        f.item_list->setCurrentRow(row);
        f.item_listMouseDown();
    }
    // Uses one of the trial item; the result box's text.
    std::string use(int kind, int value)
    {
        hold(kind, value);
        f.item_bClick();
        return f.item_l->caption();
    }
    // The result box for a line, one item left.
    static std::string note(const std::string& line, int left = 1)
    {
        return "- " + line + " -\r(残:"_sj + num(left) + ")";
    }
    // The lightning of an attack item takes twenty draws before the item's own.
    static void feedBolt() { feedDraws({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}); }
    void fight(int hp, int alignment)
    {
        inBattle = 1;
        enemyHp = enemyMaxHp = hp;
        enemyAlignment = alignment;
    }
};

TEST_F(Items, TheListShowsWhatIsHeldInIdOrder)
{
    itemTable[trial] = {"試しの品"_sj, "", 24, 0};
    my.itemCount[trial] = 1;
    my.itemCount[5] = 3;
    my.itemCount[1] = 0;
    my.itemCount[2] = -1;
    my.itemCount[0] = 1;
    selectedItem = 5;
    rebuildItemList();
    ASSERT_EQ(f.item_list->count(), 3);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[0].name);
    EXPECT_EQ(f.item_list->itemText(1), itemTable[5].name);
    EXPECT_EQ(f.item_list->itemText(2), "試しの品"_sj);
    EXPECT_EQ(f.item_list->currentRow(), -1);
    EXPECT_EQ(selectedItem, -1);
}

TEST_F(Items, ChoosingAnItemDescribesIt)
{
    hold(24, 35, 3);
    EXPECT_EQ(selectedItem, trial);
    EXPECT_TRUE(visible(f.item_l_box));
    EXPECT_EQ(f.item_l->caption(), "試しの品 > 3個\r試すための品"_sj);
    EXPECT_EQ(f.item_l->font().pixelSize(), 9);
    EXPECT_EQ(game.cues(1), Cues{"list.wav"});

    // While the shop is open the sale price comes first.
    f.store_box->show();
    choose(0);
    EXPECT_EQ(f.item_l->caption(), "試しの品 > 3個\r売価:金貨 4枚\r試すための品"_sj);

    // Refreshing shows the use button for it, or the sell button in the shop.
    f.store_box->hide();
    refreshStatus();
    EXPECT_TRUE(visible(f.item_b));
}

TEST_F(Items, TwoItemsOfOneNameResolveToTheLaterId)
{
    itemTable[trial] = {"同じ名前"_sj, "先の品"_sj, 24, 0};
    itemTable[trial + 1] = {"同じ名前"_sj, "後の品"_sj, 24, 0};
    my.itemCount[trial] = 1;
    rebuildItemList();
    choose(0);
    EXPECT_EQ(selectedItem, trial + 1);
}

TEST_F(Items, NoRowOrABlankRowChoosesNothing)
{
    hold(24, 0);
    f.item_list->setCurrentRow(-1);
    f.item_listMouseDown();
    EXPECT_EQ(selectedItem, -1);
    EXPECT_FALSE(visible(f.item_l_box));
    EXPECT_EQ(f.item_l->caption(), "");

    hold(24, 0);
    f.item_list->setItemText(0, {});
    choose(0);
    EXPECT_EQ(selectedItem, -1);
    EXPECT_FALSE(visible(f.item_l_box));
}

TEST_F(Items, ARealClickOnARowChoosesIt)
{
    my.itemCount[0] = 1;
    hold(24, 0);
    const QRect row = f.item_list->visualItemRect(f.item_list->item(0));
    QTest::mouseClick(f.item_list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(selectedItem, 0);
    EXPECT_EQ(f.item_l->caption().substr(0, itemTable[0].name.size()), itemTable[0].name);
}

TEST_F(Items, TheWorldMapAndThePopUpWindowIgnoreTheList)
{
    hold(0, 5);
    for (QWidget* w : {static_cast<QWidget*>(f.map_box), static_cast<QWidget*>(Form2)}) {
        w->show();
        selectedItem = -1;
        choose(0);
        EXPECT_EQ(selectedItem, -1);
        selectedItem = trial;
        f.item_bClick();
        EXPECT_EQ(my.itemCount[trial], 2);
        w->hide();
    }
    EXPECT_EQ(game.cues(0), Cues{});
    EXPECT_EQ(game.cues(1), Cues{"list.wav"});
}

TEST_F(Items, UsingWithNothingChosenOnlySaysNo)
{
    hold(0, 5);
    selectedItem = -1;
    f.item_bClick();
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});
    EXPECT_EQ(my.itemCount[trial], 2);
    EXPECT_EQ(my.soul, 10);
    EXPECT_FALSE(visible(f.item_l_box));
}

TEST_F(Items, TheLastOneLeavesItsRowBlankInPlace)
{
    my.itemCount[0] = 1;
    my.itemCount[5] = 1;
    itemTable[trial] = {"試しの品"_sj, "", 24, 0};
    my.itemCount[trial] = 1;
    rebuildItemList();
    choose(1);
    ASSERT_EQ(selectedItem, 5);
    itemTable[5].kind = 24;
    f.item_bClick();
    EXPECT_EQ(f.item_l->caption(), note("何も起こらずアイテムは砕けた...."_sj, 0));
    EXPECT_EQ(my.itemCount[5], 0);
    EXPECT_EQ(selectedItem, -1);
    ASSERT_EQ(f.item_list->count(), 3);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[0].name);
    EXPECT_EQ(f.item_list->itemText(1), "");
    EXPECT_EQ(f.item_list->itemText(2), "試しの品"_sj);
    refreshStatus();
    EXPECT_FALSE(visible(f.item_b));
    choose(1);
    EXPECT_EQ(selectedItem, -1);
    choose(2);
    EXPECT_EQ(selectedItem, trial);
}

TEST_F(Items, UsingPlaysItsSoundAndShowsWhatIsLeft)
{
    hold(24, 0, 5);
    f.item_bClick();
    EXPECT_EQ(game.cues(0), Cues{"item.wav"});
    EXPECT_TRUE(visible(f.item_l_box));
    EXPECT_EQ(f.item_l->font().pixelSize(), 14);
    EXPECT_EQ(f.item_l->caption(), note("何も起こらずアイテムは砕けた...."_sj, 4));
    EXPECT_EQ(my.itemCount[trial], 4);
    EXPECT_EQ(selectedItem, trial);   // the same item can be used again
    f.item_bClick();
    EXPECT_EQ(my.itemCount[trial], 3);
}

TEST_F(Items, HealingGrowsWithHolyKarmaAndEasiness)
{
    my.difficulty = 0;
    EXPECT_EQ(use(0, 5), note("魂が6回復した"_sj));
    EXPECT_EQ(my.soul, 16);
    my.difficulty = 3;
    EXPECT_EQ(use(0, 5), note("魂が4回復した"_sj));
    EXPECT_EQ(my.soul, 20);

    // One draw for each threshold passed (above 5, 10, 15); a 0 adds one.
    my.difficulty = 1;
    my.karma = 16;
    feedDraws({0, 3, 0});
    EXPECT_EQ(use(0, 5), note("魂が7回復した"_sj));
    EXPECT_EQ(pendingDraws(), 0);
    my.karma = 5;
    feedDraws({0});
    EXPECT_EQ(use(0, 5), note("魂が5回復した"_sj));
    EXPECT_EQ(pendingDraws(), 1);   // karma 5 is not above 5: no draw
}

TEST_F(Items, DeathEnergyRestoresByDifficulty)
{
    my.difficulty = 0;
    EXPECT_EQ(use(9, 15), note("死のエネルギーが16回復した"_sj));
    my.difficulty = 1;
    EXPECT_EQ(use(9, 15), note("死のエネルギーが15回復した"_sj));
    my.difficulty = 3;
    EXPECT_EQ(use(9, 15), note("死のエネルギーが14回復した"_sj));
    EXPECT_EQ(my.deathEnergy, 145);
}

TEST_F(Items, GrowthComesInWholeStepsOfThirty)
{
    my.soulSword = my.soulArmor = 1;
    EXPECT_EQ(use(1, 60), note("最大魂が2増えた"_sj));
    EXPECT_EQ(my.maxSoul, 32);
    EXPECT_EQ(use(1, 29), note("最大魂が0増えた"_sj));   // still used up
    EXPECT_EQ(my.maxSoul, 32);
    EXPECT_EQ(my.itemCount[trial], 1);
    EXPECT_EQ(use(2, 90), note("魂の剣が3増えた"_sj));
    EXPECT_EQ(my.soulSword, 4);
    EXPECT_EQ(use(11, 30), note("魂の鎧が1増えた"_sj));
    EXPECT_EQ(my.soulArmor, 2);
    EXPECT_EQ(use(26, 250), note("最大魂、魂の剣、魂の鎧が全て 2ずつ増えた"_sj));
    EXPECT_EQ(my.maxSoul, 34);
    EXPECT_EQ(my.soulSword, 6);
    EXPECT_EQ(my.soulArmor, 4);
}

TEST_F(Items, ConsciousnessAndMemoryNeverFallBelowZero)
{
    my.consciousness = 2;
    my.memory = 40;
    EXPECT_EQ(use(3, 1), note("意識が1増えた"_sj));
    EXPECT_EQ(my.consciousness, 3);
    EXPECT_EQ(use(3, -5), note("意識が-5増えた"_sj));
    EXPECT_EQ(my.consciousness, 0);
    EXPECT_EQ(use(4, 500), note("記憶が500増えた"_sj));
    EXPECT_EQ(my.memory, 540);   // no level is gained here
    EXPECT_EQ(my.consciousness, 0);
    use(4, -600);
    EXPECT_EQ(my.memory, 0);
}

TEST_F(Items, TheRoadCanBeShortenedOnlyOutsideAFight)
{
    my.distance = 7;
    EXPECT_EQ(use(5, 10), note("距離が10進んだ"_sj));
    EXPECT_EQ(my.distance, 17);
    my.distance = -30;
    use(5, 10);
    EXPECT_EQ(my.distance, 0);
    fight(20, 0);
    EXPECT_EQ(use(5, 10), note("なにも起きずに砕けた"_sj));
    EXPECT_EQ(my.distance, 0);
    EXPECT_EQ(my.itemCount[trial], 1);
}

TEST_F(Items, TheWayBackToTheMapNeedsTheFirstAreaConquered)
{
    my.areaClears[0] = 0;
    EXPECT_EQ(use(6, 30), note("なにも起きずに砕けた"_sj));
    EXPECT_FALSE(visible(f.map_box));
    EXPECT_EQ(my.itemCount[trial], 1);

    my.areaClears[0] = 1;
    my.distance = 12;
    hold(6, 30);
    f.item_bClick();
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_EQ(my.currentArea, -1);
    EXPECT_EQ(my.distance, 0);
    EXPECT_FALSE(visible(f.item_l_box));   // no result line
    EXPECT_EQ(my.itemCount[trial], 1);
    EXPECT_EQ(game.cues(3), Cues{"14.wav"});
}

TEST_F(Items, TheWayBackInAFightEndsTheFight)
{
    my.areaClears[0] = 1;
    fight(40, 0);
    guardianBattle = 1;
    enemySpecial = 3;
    use(6, 30);
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(guardianBattle, 0);
    EXPECT_EQ(enemySpecial, 0);
    EXPECT_EQ(enemyHp, 0);
}

TEST_F(Items, TheSaveItemSavesTheRunAsItWasBeforeTheUse)
{
    my.coins = 77;
    EXPECT_EQ(use(7, 20), note("セーブしました"_sj));
    EXPECT_EQ(my.itemCount[trial], 1);
    const tmy now = my;
    loadGameData();
    EXPECT_EQ(my.coins, 77);
    EXPECT_EQ(my.itemCount[trial], 2);
    EXPECT_TRUE(game.boxes.empty());
    my = now;
}

TEST_F(Items, ASaveThatFailsKeepsTheItemAndSaysWhy)
{
    std::filesystem::create_directory(replaceTempPath(game.dir.dat("my.dat")));   // my.dat cannot be replaced
    const std::string before = readFile(game.dir.dat("my.dat"));
    hold(7, 20);
    f.item_bClick();
    EXPECT_EQ(game.boxes.size(), 1u);
    EXPECT_FALSE(visible(f.item_l_box));   // no claim of a save
    EXPECT_EQ(my.itemCount[trial], 2);
    EXPECT_EQ(selectedItem, trial);
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), before);
}

TEST_F(Items, ScoreAndCoins)
{
    EXPECT_EQ(use(10, 30), note("天より認められ、個体スコアが30上昇した"_sj));
    EXPECT_EQ(my.score, 60);   // NOMAL doubles
    EXPECT_EQ(f.score_add_l->caption(), "     +60");
    EXPECT_EQ(game.cues(0), (Cues{"item.wav", "score.wav"}));
    EXPECT_EQ(use(12, 15), note("金貨が 15増えた"_sj));
    EXPECT_EQ(my.coins, 15);
    EXPECT_EQ(game.cues(1), (Cues{"list.wav", "list.wav", "coin.wav"}));
}

TEST_F(Items, KarmaChangesWithItsSound)
{
    EXPECT_EQ(use(13, 3), note("魂に変調が....カルマ 3"_sj));
    EXPECT_EQ(my.karma, 3);
    EXPECT_EQ(use(13, -5), note("魂に変調が....カルマ -5"_sj));
    EXPECT_EQ(my.karma, -2);
    EXPECT_EQ(game.cues(1), (Cues{"list.wav", "carma_up.wav", "list.wav", "carma_down.wav"}));
    EXPECT_EQ(game.cues(0), (Cues{"item.wav", "carma_up.wav", "item.wav", "carma_down.wav"}));
    EXPECT_EQ(f.score_add_l->caption(), "     ｶﾙﾏ ↑3%     ｶﾙﾏ ↓5%"_sj);
}

TEST_F(Items, TradesOfEquipmentAndDeathEnergy)
{
    my.soulSword = my.soulArmor = 2;
    EXPECT_EQ(use(14, 30), note("魂の剣が 1下がり、死のエネルギーが 30上昇した!!"_sj));
    EXPECT_EQ(my.soulSword, 1);
    EXPECT_EQ(my.deathEnergy, 130);
    EXPECT_EQ(use(15, 40), note("魂の鎧が 1下がり、死のエネルギーが 40上昇した!!"_sj));
    EXPECT_EQ(my.soulArmor, 1);
    EXPECT_EQ(my.deathEnergy, 170);
    EXPECT_EQ(use(17, 50), note("死のエネルギーが 50減少し、魂の剣が 1上昇した!!"_sj));
    EXPECT_EQ(my.soulSword, 2);
    EXPECT_EQ(my.deathEnergy, 120);
    // The soul gains a quarter of the energy burnt, and the line says so.
    EXPECT_EQ(use(16, 40), note("死のエネルギーが 40減少し、魂が 10回復した!!"_sj));
    EXPECT_EQ(my.deathEnergy, 80);
    EXPECT_EQ(my.soul, 20);
}

TEST_F(Items, RestoringWithAShadeOfKarma)
{
    EXPECT_EQ(use(22, 30), note("死のエネルギーが 30回復した"_sj));
    EXPECT_EQ(my.deathEnergy, 130);
    EXPECT_EQ(my.karma, -1);
    EXPECT_EQ(use(23, 3), note("魂が 3回復した"_sj));
    EXPECT_EQ(my.soul, 13);
    EXPECT_EQ(my.karma, 0);
    EXPECT_EQ(game.cues(0), (Cues{"item.wav", "carma_down.wav", "item.wav", "carma_up.wav"}));
}

TEST_F(Items, HolyAndDarkRemediesDependOnKarma)
{
    my.soul = 20;
    EXPECT_EQ(use(20, 8), note("魂が8回復した"_sj));   // karma 0 counts as holy
    EXPECT_EQ(my.soul, 28);
    EXPECT_EQ(use(21, 8), note("魂が8回復した"_sj));   // and as dark
    EXPECT_EQ(my.soul, 36);
    my.karma = -1;
    EXPECT_EQ(use(20, 8), note("魂が8減少した"_sj));
    EXPECT_EQ(my.soul, 28);
    my.karma = 1;
    EXPECT_EQ(use(21, 8), note("魂が8減少した"_sj));
    EXPECT_EQ(my.soul, 20);
}

TEST_F(Items, TheUnderworldTiltsOnceToEachSide)
{
    EXPECT_EQ(use(18, 60), note("この冥界全体が暗黒面に傾いたようだ...."_sj));
    EXPECT_EQ(my.areaClears[6], 1);
    EXPECT_EQ(my.areaClears[7], 0);
    EXPECT_EQ(use(18, 60), note("何も起こらずアイテムは朽ち果てた...."_sj));
    EXPECT_EQ(my.itemCount[trial], 1);
    my.areaClears[7] = 2;
    EXPECT_EQ(use(19, 60), note("何も起こらずアイテムは朽ち果てた...."_sj));
    EXPECT_EQ(my.areaClears[7], 2);
    my.areaClears[7] = 0;
    EXPECT_EQ(use(19, 60), note("この冥界全体が神聖面に傾いたようだ...."_sj));
    EXPECT_EQ(my.areaClears[7], 1);
}

TEST_F(Items, ReleaseAndStatuses)
{
    EXPECT_EQ(use(27, 20), note("魂の剣の力が一時的に解放された....!!"_sj));
    EXPECT_EQ(soulSwordReleased, 1);
    EXPECT_EQ(use(28, 0), note("【癒】化した....!!"_sj));
    EXPECT_EQ(my.statusHeal, 1);
    EXPECT_EQ(use(29, 0), note("【毒】化した....!!"_sj));
    EXPECT_EQ(my.statusPoison, 1);
    EXPECT_EQ(use(30, 0), note("【信】化した....!!"_sj));
    EXPECT_EQ(my.statusFaith, 1);
    EXPECT_EQ(use(31, 0), note("【怨】化した....!!"_sj));
    EXPECT_EQ(my.statusGrudge, 1);
}

TEST_F(Items, UselessAndUnknownKindsAreUsedUp)
{
    EXPECT_EQ(use(24, 5), note("何も起こらずアイテムは砕けた...."_sj));
    EXPECT_EQ(my.itemCount[trial], 1);
    use(99, 5);
    EXPECT_FALSE(visible(f.item_l_box));   // no result line at all
    EXPECT_EQ(my.itemCount[trial], 1);
    EXPECT_EQ(my.soul, 10);
}

TEST_F(Items, ThrownItemsStrikeWithABoltAndDarkKarma)
{
    fight(50, 0);
    feedBolt();
    EXPECT_EQ(use(8, 10), note("敵に10ダメージ与えた!!"_sj));
    EXPECT_EQ(enemyHp, 40);
    EXPECT_EQ(pendingDraws(), 0);
    EXPECT_EQ(game.cues(1), (Cues{"list.wav", "item_e.wav"}));
    EXPECT_EQ(f.cg->canvas.penColor, QColor(255, 255, 0));

    my.karma = -11;   // two thresholds passed (below -5 and -10): two draws
    feedBolt();
    feedDraws({0, 4});
    EXPECT_EQ(use(8, 10), note("敵に11ダメージ与えた!!"_sj));
    EXPECT_EQ(pendingDraws(), 0);
    EXPECT_EQ(enemyHp, 29);
}

TEST_F(Items, AttacksThatCostSomethingOfTheSoul)
{
    fight(100, 0);
    EXPECT_EQ(use(25, 8), note("敵に8ダメージ与え、死のエネルギーを 40ロストした"_sj));
    EXPECT_EQ(enemyHp, 92);
    EXPECT_EQ(my.deathEnergy, 60);

    my.coins = 13;
    EXPECT_EQ(use(32, 10), note("敵に13ダメージ与え、金貨を全てロストした"_sj));
    EXPECT_EQ(enemyHp, 79);
    EXPECT_EQ(my.coins, 0);

    my.memory = 95;
    EXPECT_EQ(use(33, 10), note("敵に9ダメージ与え、記憶を全てロストした"_sj));
    EXPECT_EQ(enemyHp, 70);
    EXPECT_EQ(my.memory, 0);
    my.memory = 9;
    EXPECT_EQ(use(33, 10), note("敵に0ダメージ与え、記憶を全てロストした"_sj));
    EXPECT_EQ(my.memory, 0);
    EXPECT_EQ(enemyHp, 70);

    my.maxSoul = 30;
    my.soul = 18;
    EXPECT_EQ(use(34, 15), note("敵に12ダメージ与えた"_sj));
    EXPECT_EQ(enemyHp, 58);
    my.soul = 30;
    EXPECT_EQ(use(34, 15), note("敵に0ダメージ与えた"_sj));
    EXPECT_EQ(enemyHp, 58);
}

TEST_F(Items, CharmsWorkOnlyAgainstTheirSide)
{
    fight(50, -2);
    EXPECT_EQ(use(35, 20), note("敵に20ダメージ与えた"_sj));
    EXPECT_EQ(enemyHp, 30);
    EXPECT_EQ(use(36, 20), note("なにも起きずに砕けた"_sj));
    enemyAlignment = 0;
    EXPECT_EQ(use(35, 20), note("なにも起きずに砕けた"_sj));
    EXPECT_EQ(use(36, 20), note("なにも起きずに砕けた"_sj));
    enemyAlignment = 3;
    EXPECT_EQ(use(35, 20), note("なにも起きずに砕けた"_sj));
    EXPECT_EQ(enemyHp, 30);
    EXPECT_EQ(use(36, 20), note("敵に20ダメージ与えた"_sj));
    EXPECT_EQ(enemyHp, 10);
    const Cues strikes{"item_e.wav", "item_e.wav"};
    Cues channel1 = game.cues(1);
    std::erase(channel1, "list.wav");
    EXPECT_EQ(channel1, strikes);   // the refused ones strike nothing
}

TEST_F(Items, AttacksLeaveTheEndOfTheFightToTheNextTurn)
{
    fight(5, 0);
    use(8, 20);
    EXPECT_EQ(enemyHp, -15);
    EXPECT_EQ(inBattle, 1);
}

TEST_F(Items, AttacksOutsideAFightCrumble)
{
    enemyHp = 30;   // a character standing, not fighting
    my.coins = 10;
    my.memory = 50;
    my.deathEnergy = 100;
    enemyAlignment = -1;
    for (int kind : {8, 25, 32, 33, 34, 35, 36}) {
        EXPECT_EQ(use(kind, 10), note("なにも起きずに砕けた"_sj)) << kind;
        EXPECT_EQ(my.itemCount[trial], 1);
    }
    EXPECT_EQ(enemyHp, 30);
    EXPECT_EQ(my.coins, 10);
    EXPECT_EQ(my.memory, 50);
    EXPECT_EQ(my.deathEnergy, 100);
    Cues channel1 = game.cues(1);
    std::erase(channel1, "list.wav");
    EXPECT_EQ(channel1, Cues{});
}

} // namespace
