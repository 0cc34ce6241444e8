// The world map: the destinations with their gates and music, the hover
// line, the two saves and the energy purchase.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>

#include "core/datafile.h"
#include "core/ranking.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "title/conquest.h"
#include "ui/music.h"
#include "ui/transitions.h"

namespace {

using Cues = std::vector<std::string>;
using Boxes = std::vector<std::string>;

class WorldMap : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();
        f.Timer4->stop();
        clickWait = 1;
        f.start_box->hide();
        f.map_box->show();
        my.currentArea = -1;
        my.distance = 17;
        my.deathEnergy = 100;
        my.coins = 0;
        my.karma = 0;
        my.itemCount.fill(0);
    }
    std::string save() const { return readFile(game.dir.dat("my.dat")); }
    std::string music() const { return f.mid_p->FileName; }
    // On the road of the area, its toll paid.
    void expectEntered(int area)
    {
        EXPECT_EQ(my.currentArea, area);
        EXPECT_EQ(my.distance, 0) << area;
        EXPECT_EQ(my.deathEnergy, 100 - areaTable[area].entryCost) << area;
        EXPECT_FALSE(visible(f.map_box)) << area;
        EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b)) << area;
    }
    void expectStillOnTheMap()
    {
        EXPECT_EQ(my.currentArea, -1);
        EXPECT_EQ(my.distance, 17);
        EXPECT_EQ(my.deathEnergy, 100);
        EXPECT_TRUE(visible(f.map_box));
        EXPECT_TRUE(game.cues(3).empty());   // no passage into an area
    }
    bool playsAreaMusic() const
    {
        for (const char* track : {"miruhe.mid", "allto1.mid", "modesty.mid", "iknewme.mid"})
            if (music() == game.dir.dat(track))
                return true;
        return false;
    }
};

TEST_F(WorldMap, TheOpenDestinations)
{
    const struct {
        void (TForm1::*click)();
        int area;
        const char* music;   // nullptr: one of the area tracks
    } destinations[] = {
        {&TForm1::map_b1Click, 1, nullptr},  {&TForm1::map_b2Click, 2, nullptr},
        {&TForm1::shop_bClick, 3, "purplegrass.mid"}, {&TForm1::map_b4Click, 4, nullptr},
        {&TForm1::map_b5Click, 5, nullptr},  {&TForm1::map_b8Click, 8, "usakuma.mid"},
        {&TForm1::map_b9Click, 9, nullptr},  {&TForm1::map_b12Click, 12, nullptr},
    };
    for (const auto& d : destinations) {
        my.currentArea = -1;
        my.distance = 17;
        my.deathEnergy = 100;
        f.mid_p->FileName.clear();
        f.map_box->show();
        (f.*d.click)();
        expectEntered(d.area);
        if (d.music)
            EXPECT_EQ(music(), game.dir.dat(d.music)) << d.area;
        else
            EXPECT_TRUE(playsAreaMusic()) << d.area;
    }
    EXPECT_TRUE(game.boxes.empty());
}

TEST_F(WorldMap, ATollAboveTheEnergyLeftIsNotRefused)
{
    my.deathEnergy = 3;
    areaTable[9].entryCost = 50;
    f.map_b9Click();
    EXPECT_EQ(my.currentArea, 9);
    EXPECT_EQ(my.deathEnergy, -47);
}

TEST_F(WorldMap, NeutralSoulsPassNeitherKarmaGate)
{
    f.map_b6Click();
    expectStillOnTheMap();
    f.map_b7Click();
    expectStillOnTheMap();
    const std::string refusal = "貴方のカルマではこのエリアに入れないようだ"_sj;
    EXPECT_EQ(game.boxes, (Boxes{refusal, refusal}));
    EXPECT_EQ(game.cues(0), (Cues{"no.wav", "1.wav", "no.wav", "1.wav"}));
}

TEST_F(WorldMap, EachKarmaGateLetsInItsOwnSide)
{
    my.karma = 1;
    f.map_b6Click();
    expectStillOnTheMap();
    f.map_b7Click();
    expectEntered(7);
    EXPECT_TRUE(playsAreaMusic());

    my.currentArea = -1;
    my.deathEnergy = 100;
    my.karma = -1;
    f.map_box->show();
    f.map_b7Click();
    EXPECT_EQ(my.currentArea, -1);
    f.map_b6Click();
    expectEntered(6);
    EXPECT_EQ(game.boxes.size(), 2u);
}

TEST_F(WorldMap, TheJudgementGateTakesOnePass)
{
    my.itemCount[104] = 2;
    f.map_b0Click();
    expectEntered(10);
    EXPECT_EQ(my.itemCount[104], 1);
    EXPECT_EQ(game.boxes.size(), 2u);   // the gatekeeper's words
    EXPECT_EQ(game.cues(0), Cues{"bell.wav"});
    EXPECT_EQ(game.cues(1), (Cues{"b.wav", "b.wav"}));
    EXPECT_TRUE(playsAreaMusic());
    ASSERT_EQ(f.item_list->count(), 1);   // the pass left in the list
    EXPECT_EQ(f.item_list->itemText(0), itemTable[104].name);
}

TEST_F(WorldMap, WithoutAPassTheJudgementGateStaysShut)
{
    f.map_b0Click();
    expectStillOnTheMap();
    EXPECT_EQ(game.boxes, Boxes{"どんなに門を叩こうとも、ビクともせず入れなかった"_sj});
    EXPECT_EQ(game.cues(0), (Cues{"b.wav", "b.wav"}));
    EXPECT_EQ(my.itemCount[104], 0);
}

TEST_F(WorldMap, TheCaveTakesAHoledCoin)
{
    f.map_b13Click();
    expectStillOnTheMap();
    EXPECT_TRUE(game.boxes.empty());
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});

    my.itemCount[33] = 1;
    f.map_b13Click();
    expectEntered(13);
    EXPECT_EQ(my.itemCount[33], 0);
    EXPECT_EQ(f.item_list->count(), 0);
    ASSERT_EQ(game.boxes.size(), 2u);
    const std::string used = "\r\r" + itemTable[33].name + " -1";
    EXPECT_EQ(game.boxes[1].substr(game.boxes[1].size() - used.size()), used);
    EXPECT_EQ(game.cues(0), (Cues{"no.wav", "b.wav", "b.wav"}));
    EXPECT_EQ(music(), game.dir.dat("purplegrass.mid"));
}

TEST_F(WorldMap, TheHoverLine)
{
    f.map_b1MouseMove();
    EXPECT_TRUE(visible(f.map_l));
    EXPECT_EQ(f.map_l->caption(), areaTable[1].mapText + ",要:死のEnrgy "_sj + num(areaTable[1].entryCost));
    areaTable[13].entryCost = 123;
    f.map_b13MouseMove();
    EXPECT_EQ(f.map_l->caption(), areaTable[13].mapText + ",要:死のEnrgy 123"_sj);
    f.map_b0MouseMove();   // the gate and the meadow show their line alone
    EXPECT_EQ(f.map_l->caption(), areaTable[0].mapText);
    f.map_b4MouseMove();
    EXPECT_EQ(f.map_l->caption(), areaTable[4].mapText);
    f.Button8MouseMove();
    EXPECT_EQ(f.map_l->caption(), "死のエネルギー 50∽を支払う事でセーブできる"_sj);
    f.Button10MouseMove();
    EXPECT_EQ(f.map_l->caption(), "死のエネルギー 20∽を 金貨 5枚で購入する"_sj);

    // Over the map picture itself the line goes away, as a real mouse moves.
    QTest::mouseMove(f.windowHandle(), {40, 30});
    EXPECT_FALSE(visible(f.map_l));
    EXPECT_EQ(f.map_l->caption(), "");
    const QPoint button = f.map_b6->geometry().center();
    f.map_b6->show();
    QTest::mouseMove(f.windowHandle(), button);
    EXPECT_TRUE(visible(f.map_l));
    EXPECT_EQ(f.map_l->caption(), areaTable[6].mapText + ",要:死のEnrgy "_sj + num(areaTable[6].entryCost));
}

TEST_F(WorldMap, ThePaidSave)
{
    my.deathEnergy = 49;
    const std::string before = save();
    f.Button8Click();
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});
    EXPECT_EQ(save(), before);
    EXPECT_EQ(my.deathEnergy, 49);

    my.deathEnergy = 50;
    f.Button8Click();
    EXPECT_EQ(my.deathEnergy, 0);
    EXPECT_EQ(game.boxes, Boxes{"セーブしました"_sj});
    EXPECT_EQ(game.cues(0), (Cues{"no.wav", "1.wav", "1.wav"}));
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.deathEnergy, 0);
    EXPECT_EQ(my.currentArea, -1);   // continuing will open the map
}

TEST_F(WorldMap, APaidSaveThatFailsCostsNothing)
{
    const std::string before = save();
    std::filesystem::create_directory(replaceTempPath(game.dir.dat("my.dat")));
    f.Button8Click();
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(game.boxes, Boxes{"ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(my.dat)"_sj});
    EXPECT_EQ(save(), before);
    EXPECT_TRUE(visible(f.map_box));

    // A record file that cannot be written stops the save as well, before
    // my.dat is touched: the box names it and the energy comes back.
    std::filesystem::remove(replaceTempPath(game.dir.dat("my.dat")));
    saveGame();
    const std::string saved = save(), record = readFile(recordFilePath());
    std::filesystem::permissions(recordFilePath(), std::filesystem::perms(0444));
    my.coins = 77;
    f.Button8Click();
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(game.boxes.back(), "ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(記録.txt)"_sj);
    EXPECT_EQ(save(), saved);
    EXPECT_EQ(readFile(recordFilePath()), record);
}

TEST_F(WorldMap, TheFreeSave)
{
    my.deathEnergy = 7;
    my.coins = 3;
    f.Button9Click();
    EXPECT_EQ(game.boxes, Boxes{"セーブしまし"_sj});
    EXPECT_EQ(game.cueCount(), 0u);
    EXPECT_EQ(my.deathEnergy, 7);
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.deathEnergy, 7);
    EXPECT_EQ(my.coins, 3);

    std::filesystem::create_directory(replaceTempPath(game.dir.dat("my.dat")));
    f.Button9Click();   // no success claimed for a save not written
    EXPECT_EQ(game.boxes.back(), "ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(my.dat)"_sj);
    EXPECT_EQ(game.boxes.size(), 2u);
}

TEST_F(WorldMap, EnergyForCoins)
{
    my.coins = 4;
    f.Button10Click();
    EXPECT_EQ(my.coins, 4);
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});
    EXPECT_TRUE(game.boxes.empty());

    my.coins = 5;
    f.Button10Click();
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.deathEnergy, 120);
    EXPECT_EQ(game.boxes, Boxes{"死のエネルギーが 20増えた"_sj});
    EXPECT_EQ(game.cues(0), (Cues{"no.wav", "toki.wav", "1.wav"}));
}

// Conquests open and close the map's roads: conquered from the road's end,
// then the periodic refresh shows the map as it now stands.
TEST_F(WorldMap, ConquestsOpenAndCloseRoads)
{
    my.areaClears.fill(0);
    auto conquer = [this](int area) {
        f.map_box->hide();
        my.currentArea = area;
        feedDraws({1, 1, 1});
        conquerArea();
        f.Timer1Timer();
    };
    f.Timer1Timer();
    EXPECT_TRUE(visible(f.map_b1) && visible(f.map_b2));
    EXPECT_FALSE(visible(f.map_b5));
    conquer(1);
    conquer(1);
    EXPECT_TRUE(visible(f.map_b1));
    conquer(1);
    EXPECT_FALSE(visible(f.map_b1));
    conquer(2);
    EXPECT_TRUE(visible(f.map_b5));
    EXPECT_TRUE(visible(f.map_b2));
    conquer(2);
    conquer(2);
    EXPECT_FALSE(visible(f.map_b2));
    EXPECT_TRUE(visible(f.map_b5));
}

TEST_F(WorldMap, TheTownIsNeverOfferedRightAfterLeavingIt)
{
    f.map_box->hide();
    my.currentArea = 3;
    feedDraws({0, 1, 1});
    conquerArea();
    EXPECT_FALSE(visible(f.shop_b));
    f.shop_b->hide();
    f.map_b1Click();
    feedDraws({0, 1, 1});
    returnToMap();   // the next return rolls again
    EXPECT_TRUE(visible(f.shop_b));
}

} // namespace
