// What a step meets: the roll of every second step with its 38 outcomes and
// their conditions, the sleep space, the save point, the wandering spirits,
// the blessing of area 8, and what stands at the end of each road.
#include <gtest/gtest.h>


#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "story/encounters.h"
#include "tests/support/game.h"
#include "ui/message.h"
#include "ui/music.h"
#include "ui/play_buttons.h"

namespace {

using Lines = std::vector<std::string>;


std::string shown(const std::string& line) { return line.size() % 2 ? line + " " : line; }

class Encounters : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();

    void SetUp() override
    {
        f.Timer1->stop();
        f.Timer4->stop();
        f.start_box->hide();
        my.currentArea = 0;
        my.difficulty = 1;
        my.karma = 0;
        my.consciousness = 3;
        my.soulSword = 2;
        my.soulArmor = 1;
        my.maxSoul = 20;
        my.soul = 15;
        my.coins = 10;
        my.deathEnergy = 100;
        my.eventFlag = {};
        clickWait = 1;
        game.clickThrough();
    }

    // The state a walking step leaves before the roll: buttons out, nothing
    // on the field or at the soul's feet.
    void beforeStep()
    {
        showPlayButtons();
        f.kutu_b->hide();
        for (TImage* pickup : {f.coin_cg, f.koku_cg, f.doku_cg, f.toki_cg})
            pickup->move(-50, 496);
        foundJewel = foundTree = foundCorpse = foundSealedCorpse = foundHole = foundOrb = foundObject = 0;
        sealMarkState = 0;
        inBattle = guardianBattle = 0;
        enemySpecial = 0;
        f.select_box->hide();
        f.state_l3->hide();
        setMessage({});
        portraitFile = "none";
        game.said.clear();
    }

    // A step that rolls r (and then takes the draws given).
    void roll(int r, std::initializer_list<int> draws = {})
    {
        beforeStep();
        encounterTick = 1;
        feedDraws({r});
        feedDraws(draws);
        rollEncounter();
        EXPECT_EQ(encounterTick, 0);
        EXPECT_EQ(pendingDraws(), 0) << "roll " << r;
    }

    bool buttonsBack() const { return visible(f.walk_b) && visible(f.battle_b) && f.item_list->isEnabled(); }
    bool buttonsHidden() const { return !visible(f.walk_b) && !visible(f.battle_b) && !f.item_list->isEnabled(); }
    bool nothingFound() const
    {
        const bool onField = f.coin_cg->x() >= 0 || f.koku_cg->x() >= 0 || f.doku_cg->x() >= 0 || f.toki_cg->x() >= 0;
        return !onField && !visible(f.kutu_b) && foundJewel + foundTree + foundCorpse + foundSealedCorpse + foundHole +
                                                         foundOrb + foundObject + sealMarkState == 0;
    }
    // The scene shows the picture file (a whole scene's size).
    bool showing(const std::string& picture) const
    {
        const QImage file(QString::fromStdString(game.dir.cg(picture)));
        return f.cg->picture.convertToFormat(QImage::Format_RGB32) == file.convertToFormat(QImage::Format_RGB32);
    }
    void expectFits()
    {
        for (const std::string& line : game.said)
            EXPECT_LE(rows(f.moji_l, line), 3) << toUtf8(line);
        EXPECT_LE(rows(f.state_l3, f.state_l3->caption()) * 11, f.state_l3->height()) << toUtf8(f.state_l3->caption());
    }
    // The end of the road of an area.
    void arrive(int area, const std::vector<int>& draws = {})
    {
        beforeStep();
        my.currentArea = area;
        my.distance = areaTable[area].length;
        hidePlayButtons();
        for (int d : draws)
            feedDraws({d});
        meetGuardian();
        EXPECT_EQ(pendingDraws(), 0) << "area " << area;
    }
    std::string music() const { return QString::fromStdString(f.mid_p->FileName).section('/', -1).toStdString(); }
};

TEST_F(Encounters, EverySecondStepRollsAndTheTickCarriesOn)
{
    hidePlayButtons();
    encounterTick = 0;   // as at start-up
    feedDraws({30});
    rollEncounter();
    EXPECT_EQ(encounterTick, 1);
    EXPECT_EQ(pendingDraws(), 1);   // no roll
    EXPECT_TRUE(buttonsHidden());   // the buttons are left as they are
    my.currentArea = 5;             // another area, another run: the tick goes on
    rollEncounter();
    EXPECT_EQ(encounterTick, 0);
    EXPECT_EQ(pendingDraws(), 0);
    EXPECT_TRUE(buttonsBack());

    // Past 99 the tick wraps to 0, which does not roll.
    encounterTick = 99;
    feedDraws({30});
    rollEncounter();
    EXPECT_EQ(encounterTick, 0);
    rollEncounter();
    EXPECT_EQ(pendingDraws(), 1);
    rollEncounter();
    EXPECT_EQ(pendingDraws(), 0);
}

TEST_F(Encounters, NothingHappensOnFourteenDrawsAndOnUnmetConditions)
{
    struct Case {
        int r, area, difficulty = 1, coins = 10;
    };
    std::vector<Case> cases;
    for (int r = 24; r <= 37; ++r)
        cases.push_back({r, 5});
    const Case unmet[] = {
        {6, 0}, {6, 1}, {6, 4}, {8, 5, 1, 5}, {12, 4}, {16, 0}, {16, 1}, {16, 3}, {16, 4}, {17, 0},
        {18, 4}, {19, 0}, {19, 3}, {20, 2, 0}, {20, 2, 1}, {22, 7}, {23, 0}, {22, 13},
    };
    cases.insert(cases.end(), std::begin(unmet), std::end(unmet));
    for (const Case& c : cases) {
        my.currentArea = c.area;
        my.difficulty = c.difficulty;
        my.coins = c.coins;
        const tmy before = my;
        roll(c.r);
        const std::string where = "roll " + std::to_string(c.r) + " in area " + std::to_string(c.area);
        EXPECT_TRUE(buttonsBack()) << where;
        EXPECT_TRUE(nothingFound()) << where;
        EXPECT_FALSE(visible(f.select_box)) << where;
        EXPECT_FALSE(visible(f.state_l3)) << where;
        EXPECT_EQ(portraitFile, "none") << where;
        EXPECT_EQ(f.moji_l->caption(), "") << where;
        EXPECT_EQ(my.soul, before.soul) << where;
        EXPECT_EQ(my.maxSoul, before.maxSoul) << where;
        EXPECT_EQ(my.deathEnergy, before.deathEnergy) << where;
        EXPECT_EQ(my.score, before.score) << where;
        EXPECT_TRUE(game.cues(0).empty()) << where;
    }
}

TEST_F(Encounters, PickupsArePlacedOnTheField)
{
    const std::pair<int, TImage*> pickups[] = {{5, f.coin_cg}, {9, f.coin_cg}, {6, f.koku_cg}, {14, f.toki_cg}, {15, f.toki_cg}};
    for (int area : {2, 5}) {
        my.currentArea = area;
        for (const auto& [r, pickup] : pickups) {
            roll(r, {130, 340});
            EXPECT_EQ(pickup->pos(), QPoint(130, 340)) << r;
            EXPECT_TRUE(buttonsBack());
        }
    }
    roll(12, {249, 349});
    EXPECT_EQ(sealMarkState, 1);
    EXPECT_EQ(f.doku_cg->pos(), QPoint(249, 349));
    EXPECT_TRUE(buttonsBack());
}

TEST_F(Encounters, ThingsInTheWayAreShownAndFlagged)
{
    struct Case {
        int r, area;
        const char* picture;
        int32_t* flag;
    };
    const Case cases[] = {
        {7, 0, "juel0.bmp", &foundJewel},        {11, 0, "tree.bmp", &foundTree},     {13, 0, "trager.bmp", &foundCorpse},
        {17, 1, "ana.bmp", &foundHole},          {18, 5, "tama.bmp", &foundOrb},      {19, 1, "trager.bmp", &foundSealedCorpse},
        {19, 2, "trager.bmp", &foundSealedCorpse}, {21, 0, "mono.bmp", &foundObject},
    };
    for (const Case& c : cases) {
        my.currentArea = c.area;
        f.cg->canvas.fillAll(Qt::black);
        roll(c.r);
        EXPECT_EQ(*c.flag, 1) << c.r;
        EXPECT_TRUE(showing(c.picture)) << c.r;
        EXPECT_EQ(visible(f.kutu_b), c.r == 17);
        EXPECT_TRUE(buttonsBack());
    }
}

TEST_F(Encounters, ThornsHurtOnTheHardDifficulties)
{
    for (int difficulty : {2, 3}) {
        my.difficulty = difficulty;
        my.soul = 15;
        roll(20);
        EXPECT_EQ(my.soul, 14);
        EXPECT_TRUE(showing("ibara.bmp"));
        EXPECT_EQ(f.moji_l->caption(), "怪我を負った....魂 -1"_sj);
        EXPECT_EQ(game.cues(0).back(), "18.wav");
        EXPECT_TRUE(buttonsBack());
    }
}

TEST_F(Encounters, TheSleepSpaceOpensForSixCoinsWhateverItsPrice)
{
    my.coins = 6;
    my.consciousness = 5;
    roll(8, {3});
    const int price = 3 + 4 + 5;
    EXPECT_EQ(offerCoins, -price);
    EXPECT_EQ(portraitFile, "white.bmp");
    EXPECT_EQ(enemyMaxHp, 99);
    EXPECT_EQ(enemyItem, 37);
    EXPECT_EQ(enemyAlignment, 10);
    EXPECT_EQ(f.state_l3->caption().rfind("魂を休めます\r\rHP 99 / 99"_sj, 0), 0u);
    EXPECT_EQ(game.said, Lines{shown("スリープスペースだ。休みますか？要：金貨 12枚"_sj)});
    EXPECT_TRUE(visible(f.select_box));
    EXPECT_EQ(pendingQuestion, 8);
    EXPECT_TRUE(buttonsHidden());
    expectFits();
}

TEST_F(Encounters, TheSavePointKeeperAsksWhetherToWriteTheSoulDown)
{
    roll(10);
    EXPECT_EQ(portraitFile, "3.bmp");
    EXPECT_EQ(enemyMaxHp, 3 + 3 + 1);
    EXPECT_EQ(enemyItem, -1);
    EXPECT_EQ(enemyAlignment, 1);
    const std::string profile = f.state_l3->caption();
    EXPECT_EQ(profile.substr(profile.size() - 2), "\r\r");   // holds nothing
    EXPECT_EQ(game.said.size(), 1u);
    EXPECT_TRUE(visible(f.select_box));
    EXPECT_EQ(pendingQuestion, 9);
    EXPECT_TRUE(buttonsHidden());
    expectFits();
}

TEST_F(Encounters, AWanderingSpiritTakesTheColourOfTheSoulsKarma)
{
    struct Case {
        int area, karma;
        const char* picture;
        int special, alignment;
        bool attacks;
    };
    const Case cases[] = {
        {2, 0, "muzoku.bmp", 3, 0, false},   {5, 9, "muzoku.bmp", 3, 0, false},  {13, -9, "muzoku.bmp", 3, 0, false},
        {2, -10, "ankoku.bmp", 1, -1, true}, {6, -50, "ankoku.bmp", 1, -1, true}, {2, 10, "sinsei.bmp", 2, 1, true},
        {7, 99, "sinsei.bmp", 2, 1, true},
    };
    for (const Case& c : cases) {
        my.currentArea = c.area;
        my.karma = c.karma;
        roll(16, {2, 200, 7});   // an unnamed item is drawn again
        const std::string where = "karma " + std::to_string(c.karma);
        EXPECT_EQ(portraitFile, c.picture) << where;
        EXPECT_EQ(enemyMaxHp, 2 + 3 + 1 + 2 + 2) << where;
        EXPECT_EQ(enemyItem, 7) << where;
        EXPECT_EQ(enemySpecial, c.special) << where;
        EXPECT_EQ(enemyAlignment, c.alignment) << where;
        EXPECT_EQ(game.said.size(), 1u) << where;
        EXPECT_EQ(inBattle, c.attacks ? 1 : 0) << where;
        if (c.attacks) {
            EXPECT_FALSE(visible(f.walk_b)) << where;
        } else {
            // It stands with its full soul: the battle button can take it on.
            EXPECT_TRUE(buttonsBack()) << where;
            EXPECT_EQ(enemyHp, enemyMaxHp) << where;
            expectFits();
        }
    }
}

TEST_F(Encounters, TheBlessingOfArea8)
{
    my.currentArea = 8;
    const char* const messages[9] = {
        "ウッサーマの呪い 魂 +1", "ウッサーマの呪い 魂 +5", "ウッサーマの呪い 最大魂 +1",
        "ウッサーマの呪い 魂の剣 +1", "ウッサーマの呪い 魂の鎧 +1", "ウッサーマの呪い 死のエネルギー +10",
        "ウッサーマの呪い 死のエネルギー +20", "ウッサーマの呪い 個体スコアUP", "ウッサーマの呪い 個体スコアUP",
    };
    for (int b = 0; b < 9; ++b) {
        my.soul = 10;
        const tmy before = my;
        roll(b % 2 ? 23 : 22, {b});
        EXPECT_EQ(f.moji_l->caption(), toCp932(messages[b]).value());
        EXPECT_EQ(game.cues(0).front(), "up.wav");
        EXPECT_EQ(my.soul - before.soul, b == 0 ? 1 : b == 1 ? 5 : 0);
        EXPECT_EQ(my.maxSoul - before.maxSoul, b == 2 ? 1 : 0);
        EXPECT_EQ(my.soulSword - before.soulSword, b == 3 ? 1 : 0);
        EXPECT_EQ(my.soulArmor - before.soulArmor, b == 4 ? 1 : 0);
        EXPECT_EQ(my.deathEnergy - before.deathEnergy, b == 5 ? 10 : b == 6 ? 20 : 0);
        EXPECT_EQ(my.score > before.score, b >= 7);
        EXPECT_TRUE(buttonsBack());
    }
}

TEST_F(Encounters, FiveDrawsInThirtyEightPlayACharacterScene)
{
    for (int r = 0; r <= 4; ++r) {
        // Area 0, scene draw 2: nobody there. The scene's own ending leaves
        // the item list off, where the roll's would turn it on.
        roll(r, {2});
        EXPECT_TRUE(visible(f.walk_b));
        EXPECT_TRUE(visible(f.battle_b));
        EXPECT_FALSE(f.item_list->isEnabled());
    }
    roll(1, {6});   // scene draw 6: the witch
    EXPECT_EQ(portraitFile, "majo.bmp");
    EXPECT_EQ(my.eventFlag[1], 1);
}

TEST_F(Encounters, TheGateThrowsBackTheUnnamedAndTheUnweighed)
{
    const std::pair<int, int> flags[] = {{0, 0}, {1, 1}, {0, 2}, {0, 4}};
    for (const auto& [named, weighed] : flags) {
        my.eventFlag[0] = named;
        my.eventFlag[2] = weighed;
        arrive(0, {39});
        EXPECT_EQ(my.distance, 30 - 69);   // far back, below zero
        EXPECT_EQ(f.moji_l->caption(), "不思議な力ではじきとばされた..."_sj);
        EXPECT_TRUE(buttonsBack());
        EXPECT_EQ(portraitFile, "none");
        EXPECT_EQ(guardianBattle, 0);
    }
    my.eventFlag[3] = 2;
    arrive(2, {0});
    EXPECT_EQ(my.distance, 50 - 40);
    EXPECT_TRUE(buttonsBack());

    my.eventFlag[0] = 1;
    my.eventFlag[2] = 2;
    arrive(0);
    EXPECT_EQ(guardianBattle, 1);
    my.eventFlag[3] = 3;
    arrive(2);
    EXPECT_EQ(guardianBattle, 1);
}

TEST_F(Encounters, GuardiansSayTheirLinesAndFight)
{
    my.eventFlag[0] = 1;
    my.eventFlag[2] = 2;
    my.eventFlag[3] = 3;
    struct Case {
        int area;
        std::vector<int> draws;
        const char* picture;
        int strength, item, alignment, lines;
    };
    // Stats: Con 3, Swd 2, Arm 1, Max 20, Soul 15, Coin 10, En 100.
    const Case cases[] = {
        {0, {}, "1.bmp", 10, 0, 0, 7},         {2, {}, "10.bmp", 40, 0, 1, 2},      {3, {0}, "mara.bmp", 30, 47, 2, 1},
        {4, {}, "week.bmp", 15, 1, 0, 2},      {5, {}, "week.bmp", 35, 12, 0, 3},   {6, {}, "akuma.bmp", 50, 1, -10, 3},
        {7, {}, "tenshi.bmp", 50, 2, 10, 2},   {8, {200, 7, 0}, "usakuma.bmp", 21, 7, 1, 1},
        {9, {}, "tou.bmp", 99, 0, 0, 5},       {10, {}, "9.bmp", 20, 0, 0, 1},      {11, {}, "muzoku.bmp", 20, 0, 0, 1},
        {12, {}, "majo.bmp", 110, 0, 0, 3},
    };
    for (const Case& c : cases) {
        const std::string where = "area " + std::to_string(c.area);
        arrive(c.area, c.draws);
        EXPECT_EQ(portraitFile, c.picture) << where;
        EXPECT_EQ(enemyMaxHp, c.strength) << where;
        EXPECT_EQ(enemyItem, c.item) << where;
        EXPECT_EQ(enemyAlignment, c.alignment) << where;
        EXPECT_EQ(int(game.said.size()), c.lines) << where;
        EXPECT_EQ(guardianBattle, 1) << where;
        EXPECT_EQ(inBattle, 1) << where;
        EXPECT_EQ(music(), "thesword.mid") << where;
        EXPECT_FALSE(visible(f.walk_b)) << where;
        EXPECT_FALSE(visible(f.store_box)) << where;
        for (const std::string& line : game.said)
            EXPECT_LE(rows(f.moji_l, line), 3) << toUtf8(line);
    }
}

TEST_F(Encounters, TheGateGuardianClearsThePickupsAway)
{
    my.eventFlag[0] = 1;
    my.eventFlag[2] = 2;
    beforeStep();
    f.coin_cg->move(20, 30);
    f.toki_cg->move(40, 50);
    f.koku_cg->move(60, 70);
    my.currentArea = 0;
    hidePlayButtons();
    meetGuardian();
    EXPECT_EQ(f.coin_cg->x(), -50);
    EXPECT_EQ(f.toki_cg->x(), -50);
    EXPECT_EQ(f.koku_cg->x(), 60);   // a rift stays
}

TEST_F(Encounters, TheTraineeAsksBeforeTheFight)
{
    arrive(1);
    EXPECT_EQ(portraitFile, "jiyu.bmp");
    EXPECT_EQ(enemyMaxHp, 25);
    EXPECT_EQ(enemyItem, 3);
    EXPECT_EQ(enemyAlignment, 0);
    EXPECT_EQ(game.said.size(), 3u);
    EXPECT_TRUE(visible(f.select_box));
    EXPECT_EQ(pendingQuestion, 7);
    EXPECT_EQ(inBattle, 0);
    EXPECT_EQ(guardianBattle, 0);
    EXPECT_FALSE(f.mid_p->playing());
    EXPECT_TRUE(buttonsHidden());
    expectFits();
}

TEST_F(Encounters, ShopkeepersMostlyOpenShop)
{
    struct Case {
        int area;
        std::vector<int> draws;   // before the offers
        int mode, offers;
        const char* picture;
        const char* music;
    };
    const Case cases[] = {
        {3, {1}, 0, 6, "mara.bmp", "miruhe.mid"},
        {3, {9}, 0, 6, "mara.bmp", "miruhe.mid"},
        {8, {7, 19}, 0, 8, "usakuma.bmp", "usakuma.mid"},
        {13, {7}, 1, 20, "12.bmp", "miruhe.mid"},   // no chance here: always the shop
    };
    std::string shopLine[14];
    for (const Case& c : cases) {
        const std::string where = "area " + std::to_string(c.area);
        f.mid_p->FileName = game.dir.dat("miruhe.mid");
        arrive(c.area, c.draws);
        EXPECT_EQ(portraitFile, c.picture) << where;
        EXPECT_EQ(game.said.size(), 1u) << where;
        EXPECT_EQ(inBattle, 0) << where;
        EXPECT_EQ(guardianBattle, 0) << where;
        EXPECT_EQ(music(), c.music) << where;
        if (c.area != 8) {
            EXPECT_FALSE(f.mid_p->playing()) << where;
        }
        EXPECT_TRUE(visible(f.store_box)) << where;
        EXPECT_EQ(shopMode, c.mode) << where;
        EXPECT_EQ(f.store_list->count(), c.offers) << where;
        EXPECT_FALSE(visible(f.walk_b)) << where;
        expectFits();
        shopLine[c.area] = game.said.at(0);
        f.store_box->hide();
    }
    EXPECT_EQ(enemyMaxHp, 100 + 15 + 10);   // the cave's hermit: En + Soul + Coin
    EXPECT_EQ(enemyItem, 7);
    EXPECT_EQ(enemyAlignment, 1);

    // One time in ten (twenty in area 8) the keeper fights instead, with other words.
    arrive(3, {0});
    EXPECT_EQ(inBattle, 1);
    EXPECT_NE(game.said.at(0), shopLine[3]);
    arrive(8, {7, 0});
    EXPECT_EQ(inBattle, 1);
    EXPECT_NE(game.said.at(0), shopLine[8]);
}

} // namespace
