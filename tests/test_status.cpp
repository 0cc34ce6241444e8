// The status panel, the gauges, the notice strip and the window title.
#include <gtest/gtest.h>

#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/status.h"

namespace {

class Status : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();   // the refresh runs when the test says
        f.Timer3->stop();
        f.Timer4->stop();
        my.difficulty = 1;
        my.currentArea = 0;
        inBattle = 0;
        selectedItem = -1;
        f.score_add_l->setCaption("");
    }
};

TEST_F(Status, TheStatusBoxReadsTheSoulsState)
{
    areaTable[4].name = "X";
    areaTable[4].length = 40;
    my.currentArea = 4;
    my.distance = 12;
    my.consciousness = 3;
    my.memory = 55;
    my.soul = 18;
    my.maxSoul = 20;
    my.soulSword = 2;
    my.soulArmor = 1;
    my.statusFaith = my.statusGrudge = my.statusPoison = my.statusHeal = 0;
    refreshStatus();
    EXPECT_EQ(f.state_l->caption(),
              "【X】\rきょり：12Km/40\r意識：3\r記憶：55/160\r\r  魂：18/20\r  剣：△2 鎧：▽1"_sj);
    my.statusGrudge = 1;
    my.statusHeal = 2;
    refreshStatus();
    EXPECT_NE(f.state_l->caption().find("意識：3【怨】【癒】\r"_sj), std::string::npos);
    my.currentArea = -1;
    refreshStatus();
    EXPECT_EQ(f.state_l->caption().substr(0, ("ＭＡＰ\rきょり：12Km/0\r"_sj).size()), "ＭＡＰ\rきょり：12Km/0\r"_sj);
}

TEST_F(Status, TheStripShowsEnergyScoreCoinsAndDifficulty)
{
    my.deathEnergy = 87;
    my.score = 1234;
    my.rankScore[1] = 10000;
    my.coins = -2;
    refreshStatus();
    EXPECT_EQ(f.state_l0->caption(), "死のエネルギー:87∽\r個体スコア：1234pt. (Rank1:10000pt.)"_sj);
    EXPECT_EQ(f.state_l2->caption(), "金貨：-2枚"_sj);
    EXPECT_EQ(f.nanido_l->caption(), "[NOMAL]");
    my.difficulty = 7;   // no such difficulty: the label keeps its text
    refreshStatus();
    EXPECT_EQ(f.nanido_l->caption(), "[NOMAL]");
}

TEST_F(Status, ExtreamHidesTheNumbersButNotTheGauges)
{
    my.difficulty = 3;
    my.soul = 4;
    my.maxSoul = 8;
    my.deathEnergy = 150;
    refreshStatus();
    f.Timer4Timer();
    EXPECT_NE(f.state_l->caption().find("  魂：?\?/?\?"_sj), std::string::npos);
    EXPECT_EQ(f.state_l0->caption().substr(0, ("死のエネルギー:?\?\?∽"_sj).size()), "死のエネルギー:?\?\?∽"_sj);
    EXPECT_EQ(f.nanido_l->caption(), "[EXTREAM]");
    EXPECT_EQ(f.hp_l->progress, 4);
    EXPECT_EQ(f.hp_l->maxValue, 8);
    EXPECT_EQ(f.cry_l->progress, 150);
    EXPECT_EQ(f.cry_l->maxValue, 300);
}

TEST_F(Status, KarmaBandsAtTheirEdges)
{
    const struct {
        int karma;
        const char* name;
        QColor colour;
    } cases[] = {{1, "【無】", {0, 255, 255}},   {2, "【微善】", {2, 253, 171}}, {-2, "【微悪】", {96, 168, 255}},
                 {-10, "【大悪】", {255, 0, 255}}, {-22, "【魔王】", {255, 0, 0}},  {22, "【神】", {255, 255, 255}},
                 {99, "【神】", {255, 255, 255}},  {-99, "【魔王】", {255, 0, 0}},  {21, "【大天使】", {192, 192, 192}},
                 {-9, "【悪】", {189, 68, 255}},   {9, "【善】", {2, 253, 65}},     {-1, "【無】", {0, 255, 255}}};
    for (const auto& c : cases) {
        my.karma = c.karma;
        refreshStatus();
        EXPECT_EQ(f.carma_l->caption(), toCp932(c.name).value()) << c.karma;
        EXPECT_EQ(f.carma_l->fontColor(), c.colour) << c.karma;
    }
}

TEST_F(Status, TheClampsComeAfterTheTextsInTheirOrder)
{
    my.soul = 25;
    my.maxSoul = 20;
    refreshStatus();
    EXPECT_NE(f.state_l->caption().find("魂：25/20"_sj), std::string::npos);
    EXPECT_EQ(my.soul, 20);
    refreshStatus();
    EXPECT_NE(f.state_l->caption().find("魂：20/20"_sj), std::string::npos);

    my.maxSoul = 0;
    my.soul = -3;
    my.consciousness = -1;
    my.soulSword = -2;
    my.soulArmor = -5;
    refreshStatus();
    EXPECT_EQ(my.maxSoul, 1);
    EXPECT_EQ(my.soul, 0);   // -3 is not above 0, then floored
    EXPECT_EQ(my.consciousness, 0);
    EXPECT_EQ(my.soulSword, 0);
    EXPECT_EQ(my.soulArmor, 0);

    my.maxSoul = 0;
    my.soul = 5;   // above maxSoul 0 first: 0, then maxSoul becomes 1
    refreshStatus();
    EXPECT_EQ(my.soul, 0);
    EXPECT_EQ(my.maxSoul, 1);
}

TEST_F(Status, TheEnemyLineAndTheItemButton)
{
    inBattle = 1;
    enemyHp = 7;
    enemyMaxHp = 30;
    refreshStatus();
    EXPECT_EQ(f.e_hp_l->caption(), " hp:7 / 30");
    inBattle = 0;
    refreshStatus();
    EXPECT_EQ(f.e_hp_l->caption(), "");

    selectedItem = 2;
    refreshStatus();
    EXPECT_TRUE(visible(f.item_b));
    selectedItem = -1;
    refreshStatus();
    EXPECT_FALSE(visible(f.item_b));
    f.store_box->show();
    selectedItem = 2;
    refreshStatus();
    EXPECT_TRUE(visible(f.sell_b));
    EXPECT_FALSE(visible(f.item_b));
}

TEST_F(Status, TheTitleRepeatsTheRun)
{
    my.playerName.clear();
    my.energySpent = 40;
    my.tryCount = 3;
    refreshStatus();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("★ ∽消費:40 Try:3"));
    my.playerName = "ミルヘ"_sj;
    refreshStatus();
    EXPECT_EQ(f.windowTitle(), QString::fromUtf8("★ミルヘ ∽消費:40 Try:3"));
}

TEST_F(Status, GaugesPulseInTheWarningPaletteWhenLow)
{
    const QColor normal[10] = {{0, 255, 255}, {0, 225, 225}, {0, 191, 191}, {0, 147, 147}, {0, 94, 94},
                               {0, 51, 51},   {0, 94, 94},   {0, 147, 147}, {0, 191, 191}, {0, 225, 225}};
    const QColor warning[10] = {{0, 255, 255}, {125, 104, 247}, {179, 104, 247}, {249, 47, 249}, {255, 17, 113},
                                {247, 0, 6},   {255, 17, 113},  {249, 47, 249},  {179, 104, 247}, {125, 104, 247}};
    my.maxSoul = 20;
    for (int p = 0; p < 10; ++p) {
        pulseTick = 12 + p;   // the tick adds one: phase p + 3
        const int phase = (13 + p) % 10;
        my.deathEnergy = 20;
        my.soul = 5;
        f.Timer4Timer();
        EXPECT_EQ(f.cry_l->foreColor, warning[phase]);
        EXPECT_EQ(f.hp_l->foreColor, warning[phase]);
        pulseTick = 12 + p;
        my.deathEnergy = 21;
        my.soul = 6;
        f.Timer4Timer();
        EXPECT_EQ(f.cry_l->foreColor, normal[phase]);
        EXPECT_EQ(f.hp_l->foreColor, normal[phase]);
    }
    pulseTick = 98;
    f.Timer4Timer();
    EXPECT_EQ(pulseTick, 0);
}

TEST_F(Status, TheGlowingFaceBlinksWhileAReleaseIsReady)
{
    f.start_box->hide();
    f.battle_b->show();
    soulSwordReleased = 1;
    pulseTick = 1;
    f.Timer4Timer();   // tick 2: even
    EXPECT_TRUE(visible(f.battle_b2));
    f.Timer4Timer();   // tick 3
    EXPECT_FALSE(visible(f.battle_b2));
    soulSwordReleased = 0;
    f.Timer4Timer();
    EXPECT_FALSE(visible(f.battle_b2));
    // The yes/no prompt hides the battle button, and with it the glow.
    soulSwordReleased = 1;
    f.select_box->show();
    pulseTick = 1;
    f.Timer4Timer();
    EXPECT_FALSE(visible(f.battle_b));
    EXPECT_FALSE(visible(f.battle_b2));
}

TEST_F(Status, AwardScoreScalesAndNotices)
{
    my.difficulty = 1;
    my.currentArea = 4;
    my.karma = 0;
    my.tryCount = 3;
    my.score = 100;
    awardScore(10);
    EXPECT_EQ(my.score, 123);
    EXPECT_EQ(f.score_add_l->caption(), "     +23");
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"score.wav"});

    // EXTREAM, area 6, karma -20, ten runs and more: every bonus in its order.
    my.difficulty = 3;
    my.currentArea = 6;
    my.karma = -20;
    my.tryCount = 25;
    my.score = 0;
    awardScore(10);   // 40 -> 60 -> 67 -> 82 -> 105 -> 144, + 10
    EXPECT_EQ(my.score, 154);

    my.difficulty = 0;
    my.currentArea = 3;
    my.karma = 0;
    my.tryCount = 0;
    my.score = 0;
    f.score_add_l->setCaption("");
    awardScore(-5);
    awardScore(0);
    EXPECT_EQ(my.score, 0);
    EXPECT_EQ(f.score_add_l->caption(), "");
    EXPECT_EQ(game.cues(0).size(), 2u);   // only the two awards above
}

TEST_F(Status, ChangeKarmaNotices)
{
    my.karma = 0;
    changeKarma(-3);
    EXPECT_EQ(my.karma, 3);
    EXPECT_EQ(f.score_add_l->caption(), "     ｶﾙﾏ ↑3%"_sj);
    changeKarma(2);
    EXPECT_EQ(my.karma, 1);
    EXPECT_EQ(f.score_add_l->caption(), "     ｶﾙﾏ ↑3%     ｶﾙﾏ ↓2%"_sj);
    changeKarma(0);
    EXPECT_EQ(my.karma, 1);
    EXPECT_EQ(game.cues(0), (std::vector<std::string>{"carma_up.wav", "carma_down.wav"}));
}

TEST_F(Status, TheNoticesCrawlOneBytePerTick)
{
    f.score_add_l->setCaption("  +5ｶﾙﾏ↑"_sj);
    f.Timer3Timer();
    EXPECT_EQ(f.score_add_l->caption(), " +5ｶﾙﾏ↑"_sj);
    for (int i = 0; i < 7; ++i)
        f.Timer3Timer();
    EXPECT_EQ(f.score_add_l->caption(), std::string("↑"_sj).substr(1));   // half a character left
    EXPECT_EQ(f.score_add_l->hiddenBytes(), 1u);                          // and not drawn
    f.score_add_l->setCaption(f.score_add_l->caption() + "+9");            // a new notice keeps it so
    EXPECT_EQ(f.score_add_l->hiddenBytes(), 1u);
    f.Timer3Timer();
    EXPECT_EQ(f.score_add_l->caption(), "+9");
    EXPECT_EQ(f.score_add_l->hiddenBytes(), 0u);
    f.Timer3Timer();
    f.Timer3Timer();
    f.Timer3Timer();
    EXPECT_EQ(f.score_add_l->caption(), "");
}

} // namespace
