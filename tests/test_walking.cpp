// Walking: the ordinary step with its statuses and cost, what holds a step
// up, the jump over a hole, and the conquest of an area.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/datafile.h"
#include "core/ranking.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "title/conquest.h"
#include "ui/message.h"

namespace {

using Cues = std::vector<std::string>;

class Walking : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();   // the status refresh runs when the test says
        f.Timer4->stop();
        clickWait = 1;
        f.start_box->hide();
        my.currentArea = 1;
        areaTable[1].length = 40;
        my.distance = 5;
        my.soul = my.maxSoul = 10;
        my.soulSword = my.soulArmor = 0;
        my.deathEnergy = 100;
        my.energySpent = 0;
        my.difficulty = 1;
        my.karma = 0;
        my.statusFaith = my.statusGrudge = my.statusPoison = my.statusHeal = 0;
        encounterTick = -100;   // the encounter roll stays quiet for a hundred steps
    }
    // The four status rolls of a step, none of them wearing a status off.
    static void statusesStay() { feedDraws({1, 1, 1, 1}); }
    // Death energy one ordinary step costs, given the draws of its cost.
    int costOf(std::initializer_list<int> costDraws)
    {
        const int before = my.deathEnergy;
        statusesStay();
        feedDraws(costDraws);
        f.walk_bMouseDown();
        EXPECT_EQ(pendingDraws(), 0);
        return before - my.deathEnergy;
    }
    QImage picture(const char* name) const
    {
        QImage p;
        p.load(QString::fromStdString(game.dir.cg(name)));
        return p.convertToFormat(QImage::Format_RGB888);
    }
    bool shows(const char* name) const { return f.cg->picture.convertToFormat(QImage::Format_RGB888) == picture(name); }
    std::string message() const { return f.moji_l->caption(); }
    void placeAt(TImage* pickup, int x, int y) { pickup->move(x, y); }
};

TEST_F(Walking, AnOrdinaryStepMovesOnAndPays)
{
    f.state_l3->setCaption("old profile");
    f.moji_l->setCaption("old line");
    statusesStay();
    f.walk_bMouseDown();
    EXPECT_EQ(my.distance, 6);
    EXPECT_EQ(my.deathEnergy, 99);
    EXPECT_EQ(my.energySpent, 1);
    EXPECT_EQ(f.state_l3->caption(), "");
    EXPECT_EQ(message(), "");
    EXPECT_EQ(game.cues(0), Cues{"2.wav"});
    EXPECT_TRUE(shows("bak1.bmp"));   // an index of 0 counts as 1
    EXPECT_EQ(bakIndex, 2);
    // The road scrolls by, bak1 to bak3 and round again.
    for (const char* next : {"bak2.bmp", "bak3.bmp", "bak1.bmp"}) {
        statusesStay();
        f.walk_bMouseDown();
        EXPECT_TRUE(shows(next)) << next;
    }
    EXPECT_EQ(my.distance, 9);
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Walking, TheHousekeepingOfEveryStep)
{
    foundJewel = 1;
    selectedItem = 4;
    f.item_list->addItem("x");
    f.item_list->setCurrentRow(0);
    f.item_b->show();
    f.item_l_box->show();
    emptySearchCount = 3;
    enemyHp = 7;
    my.coins = 2;
    placeAt(f.coin_cg, 100, 100);
    placeAt(f.toki_cg, 0, 300);
    foundTree = 1;   // even a step that goes nowhere clears up first
    f.walk_bMouseDown();
    EXPECT_EQ(foundJewel, 0);
    EXPECT_EQ(selectedItem, -1);
    EXPECT_EQ(f.item_list->currentRow(), -1);
    EXPECT_FALSE(visible(f.item_b) || visible(f.item_l_box));
    EXPECT_EQ(emptySearchCount, 0);
    EXPECT_EQ(enemyHp, 0);
    EXPECT_EQ(f.coin_cg->x(), -50);   // gone without paying anything
    EXPECT_EQ(f.toki_cg->x(), -50);
    EXPECT_EQ(f.coin_cg->y(), 100);
    EXPECT_EQ(my.coins, 2);
    EXPECT_EQ(game.cues(1), Cues{"no.wav"});
}

TEST_F(Walking, APressDuringAFightIsIgnored)
{
    inBattle = 1;
    enemyHp = 7;
    foundJewel = 1;
    f.walk_bMouseDown();
    EXPECT_EQ(my.distance, 5);
    EXPECT_EQ(enemyHp, 7);
    EXPECT_EQ(foundJewel, 1);
    EXPECT_EQ(game.cueCount(), 0u);
}

TEST_F(Walking, TheStepThatReachesTheEndMeetsTheGuardian)
{
    game.clickThrough();   // whatever the guardian has to say
    for (int length : {0, 1}) {
        areaTable[1].length = length;
        my.distance = 0;
        my.deathEnergy = 100;
        f.walk_b->show();
        f.kutu_b->show();
        f.walk_bMouseDown();
        EXPECT_EQ(my.distance, 1) << length;
        EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b) || visible(f.kutu_b)) << length;
        EXPECT_EQ(my.deathEnergy, 100) << length;   // no encounter, no statuses, no cost
        EXPECT_EQ(my.energySpent, 0);
    }
    areaTable[1].length = 40;
    my.distance = 39;
    f.walk_bMouseDown();
    EXPECT_EQ(my.distance, 40);
    EXPECT_FALSE(visible(f.walk_b));
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Walking, WhatBlocksTheWayIsReportedInOrderAndCostsNothing)
{
    foundTree = foundHole = foundOrb = foundCorpse = 1;
    f.kutu_b->show();
    f.walk_bMouseDown();
    EXPECT_EQ(message(), "木が邪魔で進めない!!"_sj);
    foundTree = 0;
    f.walk_bMouseDown();
    EXPECT_EQ(message(), "玉が邪魔で進めない!!"_sj);
    EXPECT_EQ(foundHole, 1);   // the hole is still ahead
    EXPECT_TRUE(visible(f.kutu_b));
    foundOrb = foundHole = 0;
    f.walk_bMouseDown();
    EXPECT_EQ(message(), "骸が邪魔で進めない!!"_sj);
    EXPECT_EQ(foundCorpse, 1);   // only a search clears it
    EXPECT_EQ(game.cues(1), (Cues{"no.wav", "no.wav", "no.wav"}));
    EXPECT_EQ(my.distance, 5);
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(my.energySpent, 0);
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Walking, ASealedCorpseIsWalkedPast)
{
    foundSealedCorpse = 1;
    statusesStay();
    f.walk_bMouseDown();
    EXPECT_EQ(foundSealedCorpse, 0);
    EXPECT_EQ(my.distance, 6);
    EXPECT_EQ(my.deathEnergy, 99);
}

TEST_F(Walking, AnObjectMayTripTheSoulButNeverMovesItOn)
{
    const struct {
        int r;
        const char* message;
        int energy, soul, maxSoul;
    } outcomes[] = {
        {0, "石に足をぶつけた!! 死のエネルギーが 10減少した", 90, 10, 10},
        {1, "躓いて転んでしまった!! 魂が 2ダメージを負った", 100, 8, 10},
        {2, "転んで足を骨折してしまった!! 最大魂が 1減少した", 100, 10, 9},
        {3, "before", 100, 10, 10},
        {9, "before", 100, 10, 10},
    };
    for (const auto& o : outcomes) {
        my.deathEnergy = 100;
        my.soul = my.maxSoul = 10;
        bakIndex = 2;
        foundObject = 1;
        setMessage("before"_sj);
        const size_t trips = game.cues(1).size();
        feedDraws({o.r});
        f.walk_bMouseDown();
        EXPECT_EQ(message(), toCp932(o.message).value()) << o.r;
        EXPECT_EQ(my.deathEnergy, o.energy) << o.r;
        EXPECT_EQ(my.soul, o.soul) << o.r;
        EXPECT_EQ(my.maxSoul, o.maxSoul) << o.r;
        EXPECT_EQ(game.cues(1).size(), trips + (o.r <= 2)) << o.r;
        EXPECT_EQ(foundObject, 0);
        EXPECT_TRUE(shows("bak2.bmp"));
        EXPECT_EQ(bakIndex, 3);
        EXPECT_EQ(my.distance, 5);
        EXPECT_EQ(my.energySpent, 0);
    }
    EXPECT_EQ(game.cues(1), (Cues{"18.wav", "18.wav", "18.wav"}));
    // A broken leg never takes the last of the soul's size.
    my.maxSoul = 1;
    foundObject = 1;
    feedDraws({2});
    f.walk_bMouseDown();
    EXPECT_EQ(my.maxSoul, 1);
}

TEST_F(Walking, AFallIntoAHole)
{
    const struct {
        int r;
        const char* message;
        int energy, soul, armor;
    } outcomes[] = {
        {0, "穴に落ちてしまった!! 死のエネルギーが 10減少した", 90, 10, 5},
        {3, "穴に落ちてしまった!! 死のエネルギーが 10減少した", 90, 10, 5},
        {4, "穴に落ちてしまった!! 魂が 3ダメージを負った", 100, 7, 5},
        {7, "穴に落ちてしまった!! 魂が 3ダメージを負った", 100, 7, 5},
        {8, "咄嗟に穴を避けた!!", 100, 10, 5},
        {9, "穴に落ちてしまった!! 魂の鎧が 1減ってしまった", 100, 10, 4},
    };
    for (const auto& o : outcomes) {
        my.deathEnergy = 100;
        my.soul = 10;
        my.soulArmor = 5;
        foundHole = 1;
        f.kutu_b->show();
        feedDraws({o.r});
        f.walk_bMouseDown();
        EXPECT_EQ(message(), toCp932(o.message).value()) << o.r;
        EXPECT_EQ(my.deathEnergy, o.energy) << o.r;
        EXPECT_EQ(my.soul, o.soul) << o.r;
        EXPECT_EQ(my.soulArmor, o.armor) << o.r;
        EXPECT_EQ(foundHole, 0);
        EXPECT_FALSE(visible(f.kutu_b));
        EXPECT_EQ(my.distance, 5);
        EXPECT_EQ(my.currentArea, 1);
    }
    EXPECT_EQ(game.cues(1), Cues(6, "18.wav"));
}

TEST_F(Walking, TheDeepestFallEndsInAnotherArea)
{
    areaTable[11].entryCost = 10;
    foundHole = 1;
    feedDraws({10});
    f.walk_bMouseDown();
    EXPECT_EQ(my.currentArea, 11);
    EXPECT_EQ(my.distance, 0);
    EXPECT_EQ(my.deathEnergy, 90);   // the toll of the place fallen into
    EXPECT_EQ(message(), "穴に落ち....ここはどこ!?"_sj);
    EXPECT_EQ(game.cues(3), Cues{"13.wav"});
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));
}

TEST_F(Walking, TheCostOfAStepOnEasy)
{
    my.difficulty = 0;
    EXPECT_EQ(costOf({0}), 0);
    EXPECT_EQ(costOf({1}), 1);
    EXPECT_EQ(costOf({2}), 1);
    EXPECT_EQ(my.energySpent, 2);
    EXPECT_EQ(my.distance, 8);
}

TEST_F(Walking, TheCostOfAStepOnHardWithAHolySoul)
{
    my.difficulty = 2;
    my.karma = 25;
    EXPECT_EQ(costOf({1, 1}), 2);
    EXPECT_EQ(costOf({0, 1}), 3);
    EXPECT_EQ(costOf({1, 0}), 3);
    EXPECT_EQ(costOf({0, 0}), 4);
    my.karma = 15;   // only the first karma roll
    EXPECT_EQ(costOf({0}), 3);
    my.difficulty = 1;
    my.karma = 9;   // no karma roll at all
    EXPECT_EQ(costOf({}), 1);
}

TEST_F(Walking, TheCostOfAStepOnExtreamWithAnEvilSoulNeverGoesBelowZero)
{
    my.difficulty = 3;
    my.karma = -30;
    EXPECT_EQ(costOf({0, 1, 1}), 1);
    EXPECT_EQ(costOf({1, 1, 1}), 2);
    EXPECT_EQ(costOf({1, 0, 1}), 1);
    EXPECT_EQ(costOf({1, 0, 0}), 0);
    EXPECT_EQ(costOf({0, 0, 0}), 0);
    EXPECT_EQ(costOf({0, 0, 1}), 0);
    EXPECT_EQ(my.energySpent, 4);   // a cost of 0 is not a refund
}

TEST_F(Walking, TheSoulSwordIsReleasedAtEachHundredLessOne)
{
    my.difficulty = 2;   // every step costs 2
    my.energySpent = 98;
    costOf({});
    EXPECT_EQ(my.energySpent, 100);
    EXPECT_EQ(soulSwordReleased, 0);
    EXPECT_TRUE(game.cues(2).empty());

    my.difficulty = 1;
    my.energySpent = 198;
    costOf({});
    EXPECT_EQ(soulSwordReleased, 1);
    EXPECT_EQ(game.cues(2), Cues{"s_ken.wav"});
    my.energySpent = 298;
    costOf({});   // still waiting to be struck: no second release
    EXPECT_EQ(game.cues(2), Cues{"s_ken.wav"});
}

TEST_F(Walking, TheStatusesActAndWearOff)
{
    my.statusFaith = my.statusGrudge = my.statusPoison = 1;
    my.statusHeal = 2;   // only exactly 1 heals
    my.soul = 5;
    feedDraws({1, 1, 1, 1});
    f.walk_bMouseDown();
    EXPECT_EQ(my.deathEnergy, 99);   // faith -1, grudge +1, the step -1
    EXPECT_EQ(my.soul, 4);           // poison, no healing
    EXPECT_EQ(my.statusHeal, 2);

    feedDraws({0, 1, 0, 0});
    f.walk_bMouseDown();
    EXPECT_EQ(my.statusFaith, 0);
    EXPECT_EQ(my.statusGrudge, 1);
    EXPECT_EQ(my.statusPoison, 0);
    EXPECT_EQ(my.statusHeal, 0);   // worn off though it never healed
    EXPECT_EQ(my.soul, 3);

    my.statusHeal = 1;
    feedDraws({0, 0, 0, 1});
    f.walk_bMouseDown();
    EXPECT_EQ(my.soul, 4);
    EXPECT_EQ(my.statusHeal, 1);
    EXPECT_EQ(my.statusGrudge, 0);
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Walking, ASealMarkBurnsAtEveryStep)
{
    placeAt(f.doku_cg, 120, 80);
    sealMarkState = 1;
    f.walk_bMouseDown();
    EXPECT_EQ(my.soul, 4);
    EXPECT_EQ(message(), "6ダメージ受けた"_sj);
    f.walk_bMouseDown();
    EXPECT_EQ(my.soul, 1);
    EXPECT_EQ(message(), "3ダメージ受けた"_sj);
    EXPECT_EQ(f.doku_cg->x(), 120);   // still there
    EXPECT_EQ(game.cues(2), (Cues{"18.wav", "18.wav"}));
    EXPECT_EQ(my.distance, 5);
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Walking, WalkingIntoARiftHurts)
{
    placeAt(f.koku_cg, 10, 20);
    my.soul = 25;
    feedDraws({0});
    f.walk_bMouseDown();
    EXPECT_EQ(my.soul, 22);
    EXPECT_EQ(message(), "3ダメージ受けた"_sj);
    EXPECT_EQ(f.koku_cg->x(), -50);
    EXPECT_EQ(game.cues(0), (Cues{"2.wav", "koku.wav"}));
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(my.distance, 5);
    // Gone from the field, the rift is walked past the next time.
    statusesStay();
    f.walk_bMouseDown();
    EXPECT_EQ(my.distance, 6);
}

TEST_F(Walking, OutOfARiftComesACreature)
{
    placeAt(f.koku_cg, 10, 20);
    my.maxSoul = 12;
    my.soulArmor = 2;
    my.soulSword = 3;
    game.clickThrough();
    feedDraws({2, 5});
    f.walk_bMouseDown();
    EXPECT_EQ(enemyMaxHp, 5 + 12 + 2 + 3 + 10);
    EXPECT_EQ(enemyHp, enemyMaxHp);
    EXPECT_EQ(enemyItem, 36);
    EXPECT_EQ(enemyAlignment, -6);
    EXPECT_EQ(portraitFile, "koku.bmp");
    EXPECT_EQ(game.said, std::vector<std::string>{"魔界との接点が開いた"_sj});
    EXPECT_NE(f.state_l3->caption().find("所持:"_sj + itemTable[36].name), std::string::npos);
    EXPECT_EQ(inBattle, 1);
    EXPECT_FALSE(visible(f.walk_b));
    EXPECT_EQ(f.koku_cg->x(), -50);
    EXPECT_EQ(my.distance, 5);
}

TEST_F(Walking, AJumpClearsTheHole)
{
    my.karma = -5;   // never trips
    foundHole = 1;
    f.kutu_b->show();
    bakIndex = 3;
    f.kutu_bMouseDown();
    EXPECT_EQ(foundHole, 0);
    EXPECT_FALSE(visible(f.kutu_b));
    EXPECT_TRUE(shows("bak3.bmp"));
    EXPECT_EQ(message(), "ジャンプ！"_sj);
    EXPECT_EQ(my.soul, 10);
    EXPECT_EQ(my.distance, 5);
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(game.cues(0), Cues{"jump.wav"});
    EXPECT_EQ(pendingDraws(), 0);

    my.karma = -6;   // one jump in five trips
    feedDraws({1, 0});
    f.kutu_bMouseDown();
    EXPECT_EQ(my.soul, 10);
    f.kutu_bMouseDown();
    EXPECT_EQ(my.soul, 9);
    EXPECT_EQ(message(), "転んでしまった....魂 -1"_sj);
    EXPECT_EQ(game.cues(0), (Cues{"jump.wav", "jump.wav", "jump.wav", "18.wav"}));
    EXPECT_EQ(my.distance, 5);
}

class Conquest : public Walking {
protected:
    void SetUp() override
    {
        Walking::SetUp();
        f.map_box->hide();
        my.distance = 40;
    }
    std::string save() const { return readFile(game.dir.dat("my.dat")); }
};

TEST_F(Conquest, AnAreaConqueredReturnsToTheMap)
{
    my.playerName.clear();
    my.areaClears[1] = 1;
    const std::string saved = save();
    feedDraws({1, 1, 1});
    conquerArea();
    EXPECT_EQ(game.boxes, std::vector<std::string>{"あなたは、【"_sj + areaTable[1].name + "】を制覇した"_sj});
    EXPECT_EQ(my.areaClears[1], 2);
    EXPECT_EQ(game.cues(1), Cues{"17.wav"});
    EXPECT_EQ(game.cues(0), (Cues{"1.wav", "1.wav"}));   // the conquest's, then the map's
    EXPECT_EQ(my.distance, 0);
    EXPECT_EQ(my.currentArea, -1);
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_EQ(save(), saved);   // only the final conquest saves
    EXPECT_EQ(pendingDraws(), 0);
    EXPECT_EQ(f.bak->picture.convertToFormat(QImage::Format_RGB888), picture("bak3.bmp"));   // the flash ends on the road
}

TEST_F(Conquest, TheFinalAreaIsTheGameClear)
{
    my.currentArea = 9;
    my.difficulty = 2;
    my.playerName = "ソウ"_sj;
    my.crestUnderworld = my.crestSoul = my.crestRedSword = my.crestAdmins = 0;
    my.areaClears[9] = 0;
    feedDraws({1, 1, 1});
    conquerArea();
    ASSERT_EQ(game.boxes.size(), 5u);
    EXPECT_EQ(game.boxes[0], "ソウは、【"_sj + areaTable[9].name + "】を制覇した"_sj);
    for (int i = 1; i <= 3; ++i)
        EXPECT_GT(game.boxes[i].size(), 20u) << i;
    EXPECT_EQ(game.boxes[1].substr(0, 4), "ソウ"_sj);
    EXPECT_EQ(game.boxes[4], "GAME CLEAR");
    EXPECT_EQ(game.cues(0), Cues(6, "1.wav"));   // one before each box, the conquest's, the map's
    EXPECT_EQ(my.crestRedSword, 1);
    EXPECT_EQ(my.crestUnderworld + my.crestSoul + my.crestAdmins, 0);
    EXPECT_TRUE(visible(f.map_box));

    my = tmy{};
    loadGameData();   // saved before the way back to the map
    EXPECT_EQ(my.crestRedSword, 1);
    EXPECT_EQ(my.areaClears[9], 1);
    EXPECT_EQ(my.currentArea, 9);
    EXPECT_NE(readFile(game.dir.path() + "/記録.txt").find("【赤き剣の紋】"_sj), std::string::npos);
}

TEST_F(Conquest, EachDifficultyEarnsItsOwnCrest)
{
    int32_t* crests[4] = {&my.crestUnderworld, &my.crestSoul, &my.crestRedSword, &my.crestAdmins};
    for (int d = 0; d <= 3; ++d) {
        for (int32_t* c : crests)
            *c = 0;
        my.currentArea = 9;
        my.difficulty = d;
        feedDraws({1, 1, 1});
        conquerArea();
        for (int k = 0; k <= 3; ++k)
            EXPECT_EQ(*crests[k], k == d) << d << " " << k;
    }
}

TEST_F(Conquest, AGameClearThatCannotBeSavedStillReturnsToTheMap)
{
    my.currentArea = 9;
    my.difficulty = 0;
    const std::string saved = save();
    std::filesystem::create_directory(replaceTempPath(game.dir.dat("my.dat")));
    feedDraws({1, 1, 1});
    conquerArea();
    ASSERT_EQ(game.boxes.size(), 6u);
    EXPECT_EQ(game.boxes[4], "GAME CLEAR");
    EXPECT_EQ(game.boxes[5], "ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(my.dat)"_sj);
    EXPECT_EQ(save(), saved);
    EXPECT_EQ(my.crestUnderworld, 1);   // still earned; the next save keeps it
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_EQ(my.currentArea, -1);
}

} // namespace
