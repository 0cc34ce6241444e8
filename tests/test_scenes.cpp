// The character scenes: who each draw of each area meets, what they hold,
// how many lines each stage of their stories says (and which carry the
// soul's name), the awards, the gift and the questions, and how each scene
// ends. Every line said must fit the message line, every profile its panel.
#include <gtest/gtest.h>

#include <QTimer>

#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "story/scenes.h"
#include "tests/support/game.h"
#include "ui/play_buttons.h"

namespace {

enum class End { normal, battle, battleHeld, question, questionAndWalk, nameEntry };


class Scenes : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    const std::string name = "ＺＺ"_sj;

    void SetUp() override
    {
        f.Timer1->stop();
        f.Timer4->stop();
        f.start_box->hide();
        my.difficulty = 0;
        my.karma = 0;
        my.score = 0;
        my.tryCount = 0;
        my.eventFlag = {};
        my.itemCount = {};
        my.playerName = name;
        my.eventFlag[0] = 1;
        my.consciousness = 3;
        my.soulSword = 2;
        my.soulArmor = 1;
        my.maxSoul = 20;
        my.soul = 15;
        my.coins = 10;
        my.deathEnergy = 100;
        clickWait = 1;
        game.clickThrough();
    }

    // The moment of a walking step: the buttons are out, nothing is asked.
    void beforeVisit()
    {
        showPlayButtons();
        f.item_b->show();
        f.kutu_b->show();
        f.select_box->hide();
        f.name_box->hide();
        f.state_l3->hide();
        f.moji_l->setCaption({});
        inBattle = 0;
        pendingQuestion = 0;
        enemySpecial = 7;
        portraitFile = "none";
        game.said.clear();
    }

    // One scene: draw r in the area, then the draws its row takes.
    void visit(int area, int r, const std::vector<int>& draws = {})
    {
        beforeVisit();
        my.currentArea = area;
        feedDraws({r});
        for (int d : draws)
            feedDraws({d});
        PlayCharacterScene();
        EXPECT_EQ(pendingDraws(), 0) << "area " << area << " draw " << r;
        expectFits();
    }

    void expectFits()
    {
        for (const std::string& line : game.said)
            EXPECT_LE(rows(f.moji_l, line), 3) << toUtf8(line);
        if (visible(f.state_l3)) {
            EXPECT_LE(rows(f.state_l3, f.state_l3->caption()) * 11, f.state_l3->height()) << toUtf8(f.state_l3->caption());
        }
    }

    int named() const { return int(std::count_if(game.said.begin(), game.said.end(), [&](const std::string& l) { return l.find(name) != std::string::npos; })); }

    void expectEnding(End end, int question, const std::string& where)
    {
        SCOPED_TRACE(where);
        const bool battle = end == End::battle || end == End::battleHeld;
        const bool asks = end == End::question || end == End::questionAndWalk;
        const bool free = end == End::normal || end == End::battle || end == End::questionAndWalk;
        EXPECT_EQ(inBattle, battle ? 1 : 0);
        EXPECT_EQ(visible(f.select_box), asks);
        if (asks) {
            EXPECT_EQ(pendingQuestion, question);
        }
        EXPECT_EQ(visible(f.name_box), end == End::nameEntry);
        EXPECT_EQ(visible(f.walk_b), free);
        EXPECT_EQ(visible(f.battle_b), free || battle);
        EXPECT_EQ(f.item_list->isEnabled(), battle);   // the ambush gives the items back
        EXPECT_FALSE(visible(f.item_b));
        EXPECT_FALSE(visible(f.kutu_b));
    }
};

TEST_F(Scenes, DrawsWithoutASceneShowNothingAndLetTheSoulWalkOn)
{
    // Areas without scenes draw nothing at all.
    for (int area : {8, 14, 98, -1}) {
        beforeVisit();
        my.currentArea = area;
        PlayCharacterScene();
        EXPECT_EQ(pendingDraws(), 0);
        EXPECT_FALSE(visible(f.state_l3));
        EXPECT_TRUE(game.said.empty());
        EXPECT_EQ(portraitFile, "none");
        expectEnding(End::normal, 0, "area " + std::to_string(area));
    }
    const std::pair<int, std::vector<int>> empty[] = {
        {0, {2}}, {1, {5, 6, 7, 8}}, {2, {7, 8}}, {3, {0}}, {4, {5}}, {5, {7, 8}}, {6, {5, 6, 7, 8}},
        {7, {5, 6, 7, 8}}, {9, {7, 8}}, {11, {7, 8}}, {12, {4, 5, 6}}, {13, {0, 6}},
    };
    for (const auto& [area, draws] : empty)
        for (int r : draws) {
            visit(area, r);
            EXPECT_FALSE(visible(f.state_l3));
            EXPECT_TRUE(game.said.empty());
            EXPECT_EQ(portraitFile, "none");
            expectEnding(End::normal, 0, "area " + std::to_string(area) + " draw " + std::to_string(r));
        }
}

// The rows without a story: who they show, their values, lines and ending.
TEST_F(Scenes, EveryRowMeetsItsCharacterWithItsValuesLinesAndEnding)
{
    struct Row {
        int area, r;
        std::vector<int> draws;
        const char* picture;
        int strength, item, alignment, lines;
        End end;
        int special = 7;   // left as it was, but for the three spirits
    };
    // Stats: Con 3, Swd 2, Arm 1, Max 20, Soul 15, Coin 10, En 100.
    const char *wisp = "week.bmp", *grudge = "kuguwa.bmp", *ghost = "8.bmp";
    const Row table[] = {
        {0, 1, {}, "nagu.bmp", 4, 1, -1, 1, End::normal},
        {0, 3, {}, "1.bmp", 6, 1, 0, 2, End::battleHeld},
        {0, 4, {}, "robogirl.bmp", 8, 2, -1, 1, End::normal},
        {0, 5, {}, "zetu.bmp", 7, 3, 0, 1, End::normal},
        {0, 7, {}, ghost, 5, 0, 0, 2, End::battleHeld},
        {0, 11, {}, wisp, 1, 0, 0, 2, End::normal},
        {1, 1, {}, wisp, 4, 0, 0, 2, End::normal},
        {1, 2, {}, grudge, 7, 19, 0, 1, End::battle},
        {1, 3, {}, grudge, 9, 20, 0, 1, End::battle},
        {1, 4, {}, grudge, 11, 21, 0, 1, End::normal},
        {2, 3, {}, ghost, 13, 0, 0, 2, End::battle},
        {2, 4, {}, grudge, 7, 19, 0, 1, End::battle},
        {2, 5, {}, grudge, 9, 20, 0, 1, End::battle},
        {2, 6, {}, grudge, 13, 21, 0, 1, End::normal},
        {3, 2, {}, wisp, 5, 2, 0, 1, End::battle},
        {3, 3, {}, ghost, 8, 0, 0, 2, End::normal},
        {3, 6, {}, grudge, 6, 19, 0, 1, End::battle},
        {4, 2, {}, wisp, 6, 2, 0, 1, End::battle},
        {4, 3, {3}, "1.bmp", 31, 3, 0, 2, End::normal},
        {4, 3, {200}, "1.bmp", 31, 1, 0, 2, End::normal},   // an unnamed item: he holds sand
        {4, 6, {}, grudge, 7, 19, 0, 1, End::battle},
        {5, 2, {}, ghost, 18, 0, 0, 2, End::battle},
        {5, 3, {}, grudge, 8, 19, 0, 1, End::battle},
        {5, 4, {}, grudge, 12, 20, 0, 1, End::battle},
        {5, 5, {}, grudge, 15, 21, 0, 1, End::normal},
        {5, 6, {}, wisp, 23, 4, 0, 1, End::battle},
        {6, 0, {4, 0, 200, 7}, "akuma.bmp", 15, 7, -1, 1, End::battle, 1},
        {6, 0, {4, 1, 7}, "akuma.bmp", 15, 7, -1, 1, End::battle, 0},
        {7, 0, {4, 0, 7}, "tenshi.bmp", 15, 7, 1, 1, End::battle, 2},
        {7, 0, {19, 1, 7}, "tenshi.bmp", 15, 7, 1, 1, End::battle, 0},   // R(15) of 19 is 4
        {6, 1, {}, wisp, 4, 0, 0, 2, End::normal},
        {7, 1, {}, wisp, 4, 0, 0, 2, End::normal},
        {6, 2, {}, grudge, 11, 19, 0, 1, End::battle},
        {7, 3, {}, grudge, 12, 20, 0, 1, End::battle},
        {6, 4, {}, grudge, 13, 21, 0, 1, End::normal},
        {9, 2, {8}, ghost, 18, 8, 0, 2, End::battle},
        {9, 3, {}, grudge, 8, 19, 0, 1, End::battle},
        {9, 4, {}, grudge, 12, 20, 0, 1, End::battle},
        {9, 5, {}, grudge, 15, 21, 0, 1, End::normal},
        {9, 6, {9}, wisp, 23, 9, 0, 1, End::battle},
        {10, 0, {5}, "exce.bmp", 55, 5, 0, 0, End::normal},
        {10, 2, {8}, ghost, 18, 8, 0, 2, End::battle},
        {10, 3, {}, grudge, 8, 19, 0, 1, End::battle},
        {10, 4, {}, grudge, 12, 20, 0, 1, End::battle},
        {10, 5, {}, grudge, 15, 21, 0, 1, End::normal},
        {10, 6, {9}, wisp, 23, 9, 0, 1, End::battle},
        {10, 8, {}, "nagu.bmp", 4, 1, -1, 1, End::normal},
        {10, 9, {}, "1.bmp", 6, 1, 0, 1, End::battleHeld},
        {10, 10, {}, "robogirl.bmp", 11, 2, -1, 1, End::normal},
        {10, 11, {4}, "zetu.bmp", 17, 3, 0, 1, End::normal},
        {10, 12, {}, "majo.bmp", 13, 4, -1, 1, End::normal},
        {10, 13, {}, "6.bmp", 53, 5, 3, 1, End::normal},
        {10, 15, {5}, "exce.bmp", 55, 5, 0, 1, End::normal},
        {10, 16, {6}, grudge, 23, 6, -1, 1, End::battle},
        {10, 17, {6}, grudge, 12, 6, 1, 1, End::battle},
        {10, 18, {9, 6}, grudge, 16, 6, 0, 1, End::normal},
        {11, 0, {19, 0, 7}, "muzoku.bmp", 26, 7, -1, 1, End::battle, 3},
        {11, 0, {19, 1, 7}, "muzoku.bmp", 26, 7, -1, 1, End::battle, 0},
        {11, 1, {}, wisp, 4, 0, 0, 2, End::normal},
        {11, 2, {}, grudge, 11, 19, 0, 1, End::battle},
        {11, 3, {}, grudge, 12, 20, 0, 1, End::battle},
        {11, 4, {}, grudge, 13, 21, 0, 1, End::normal},
        {11, 5, {9, 6}, grudge, 16, 6, 0, 1, End::normal},
        {12, 1, {4}, grudge, 7, 109, 0, 1, End::battle},
        {12, 2, {50}, grudge, 51, 110, 1, 1, End::battle},
        {12, 3, {7}, grudge, 8, 111, -1, 1, End::battle},
        {13, 1, {4}, grudge, 7, 109, 0, 1, End::battle},
        {13, 2, {50}, grudge, 51, 110, 1, 1, End::battle},
        {13, 3, {7}, grudge, 8, 111, -1, 1, End::battle},
        {13, 4, {19}, grudge, 20, 112, -1, 1, End::battle},
        {13, 5, {}, grudge, 12, 113, -1, 1, End::battle},
    };
    for (const Row& row : table) {
        const std::string where = "area " + std::to_string(row.area) + " draw " + std::to_string(row.r);
        visit(row.area, row.r, row.draws);
        EXPECT_EQ(portraitFile, row.picture) << where;
        EXPECT_EQ(enemyMaxHp, row.strength) << where;
        EXPECT_EQ(enemyHp, row.strength) << where;
        EXPECT_EQ(enemyItem, row.item) << where;
        EXPECT_EQ(enemyAlignment, row.alignment) << where;
        EXPECT_EQ(enemySpecial, row.special) << where;
        EXPECT_EQ(int(game.said.size()), row.lines) << where;
        EXPECT_TRUE(visible(f.state_l3) || row.end == End::battle || row.end == End::battleHeld) << where;
        expectEnding(row.end, 0, where);
    }
}

TEST_F(Scenes, EachGrudgeOpensItsLineWithItsName)
{
    struct Grudge {
        int area, r;
        std::vector<int> draws;
        const char* variant;
    };
    const Grudge grudges[] = {
        {1, 2, {}, "孤独"},    {1, 3, {}, "妬み"},    {1, 4, {}, "絶望"},    {10, 16, {0}, "魔"},
        {10, 17, {0}, "聖"},   {10, 18, {0, 0}, "無"}, {13, 1, {0}, "冤罪"},  {13, 2, {0}, "友情"},
        {13, 3, {0}, "血雨"},  {13, 4, {0}, "閃光"},  {13, 5, {}, "星屑"},
    };
    for (const auto& [area, r, draws, variant] : grudges) {
        visit(area, r, draws);
        ASSERT_EQ(game.said.size(), 1u) << variant;
        EXPECT_EQ(game.said[0].rfind(toCp932(variant).value(), 0), 0u) << toUtf8(game.said[0]);
    }
}

// Each story moves one stage a visit, says as many lines as its stage
// gives (so many with the soul's name), awards and asks once, and repeats
// its idle lines at the top.
TEST_F(Scenes, StoriesFollowTheirStages)
{
    enum Effect { plain, award, gift, ask, askAndWalk, fight, fightHeld };
    struct Step {
        int lines, named = 0;
        Effect effect = plain;
        int question = 0;
    };
    struct Story {
        int area, r, flag;
        const char* picture;
        int strength, item, alignment;
        bool randomItem;
        std::vector<Step> steps;   // s -> s+1, then the idle lines of the top
    };
    const Story stories[] = {
        {0, 6, 1, "majo.bmp", 13, 4, -1, false, {{1}, {1}, {1}, {2}, {1, 0, ask, 2}, {1, 0, ask, 1}, {1}}},
        {0, 8, 2, "6.bmp", 53, 5, 3, false, {{1, 0, ask, 4}, {3, 0, ask, 3}, {1}, {2, 0, award}, {1}}},
        {0, 10, 5, "11.bmp", 10, 39, 0, false, {{2}, {3}}},
        {1, 0, 4, "jiyu.bmp", 25, 3, -1, false, {{5, 1}, {5}, {4, 0, gift}, {1, 0, award}, {1}}},
        {2, 0, 3, "5.bmp", 45, 3, 1, false, {{5, 1}, {4, 1}, {4}, {2, 0, award}, {1}}},
        {2, 2, 6, "10.bmp", 27, 3, 1, false, {{2, 1}, {4}, {4}, {1}}},
        {3, 1, 8, "11.bmp", 25, 39, 0, false, {{2}, {2}, {5}, {3}, {1, 0, fight}}},
        {3, 4, 9, "majo.bmp", 18, 4, -1, false, {{2}, {3}, {1}}},
        {3, 5, 12, "5.bmp", 25, 14, 0, false, {{3}, {2}}},
        {4, 0, 10, "7.bmp", 9, 1, 1, false, {{2}, {2, 1}, {2, 1, askAndWalk, 11}, {5, 0, award}, {1}}},
        {4, 1, 11, "nagu.bmp", 15, 1, -1, false, {{5}, {2}}},
        {5, 0, 7, "5.bmp", 55, 12, 0, false, {{5}, {8}, {6}, {3, 0, award}, {1}}},
        {9, 0, 14, "exce.bmp", 55, 5, 0, true, {{5}, {4}, {4, 1}, {3, 0, award}, {3, 1, fightHeld}}},
        {10, 14, 15, "11.bmp", 22, 39, 0, false, {{1}, {5}, {2, 1, award}, {2, 1}}},
        {11, 6, 16, "exce.bmp", 55, 5, 0, true, {{1, 1}, {2, 0, award}, {6, 0, award}, {1}}},
        {12, 0, 17, "majo.bmp", 24, 4, -1, false, {{3}, {3, 0, award}, {1}}},
    };
    for (const Story& story : stories) {
        const int top = int(story.steps.size()) - 1;
        my.eventFlag[story.flag] = 0;
        my.itemCount[10] = 0;
        // Every step once, then the idle lines twice.
        for (int visitNo = 0; visitNo <= top + 1; ++visitNo) {
            const int s = std::min(visitNo, top);
            const Step& step = story.steps[s];
            const std::string where = "area " + std::to_string(story.area) + " draw " + std::to_string(story.r) +
                                      " visit " + std::to_string(visitNo);
            const int score = my.score;
            visit(story.area, story.r, story.randomItem ? std::vector<int>{5} : std::vector<int>{});
            EXPECT_EQ(my.eventFlag[story.flag], std::min(s + 1, top)) << where;
            EXPECT_EQ(portraitFile, story.picture) << where;
            EXPECT_EQ(enemyMaxHp, story.strength) << where;
            EXPECT_EQ(enemyItem, story.item) << where;
            EXPECT_EQ(enemyAlignment, story.alignment) << where;
            EXPECT_EQ(enemySpecial, 7) << where;
            EXPECT_EQ(int(game.said.size()), step.lines) << where;
            EXPECT_EQ(named(), step.named) << where;
            EXPECT_EQ(my.score > score, step.effect == award) << where;
            EXPECT_EQ(my.itemCount[10], story.area == 1 && visitNo >= 2 ? 1 : 0) << where;
            const End end = step.effect == ask          ? End::question
                            : step.effect == askAndWalk ? End::questionAndWalk
                            : step.effect == fight      ? End::battle
                            : step.effect == fightHeld  ? End::battleHeld
                                                        : End::normal;
            expectEnding(end, step.question, where);
        }
    }
}

TEST_F(Scenes, TheCounterMovesOnBeforeTheLinesAreSaid)
{
    // What the counter reads whenever a line shows.
    std::vector<int> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!f.moji_l->caption().empty())
            seen.push_back(my.eventFlag[1]);
    });
    watch.start(0);
    my.eventFlag[1] = 3;
    visit(0, 6);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(*std::min_element(seen.begin(), seen.end()), 4);
}

TEST_F(Scenes, ACounterOutOfItsRangeSaysNothing)
{
    for (int stage : {-1, 7, 100}) {
        my.eventFlag[1] = stage;
        visit(0, 6);
        EXPECT_EQ(my.eventFlag[1], stage);
        EXPECT_TRUE(game.said.empty());
        EXPECT_TRUE(visible(f.state_l3));   // she is there, and silent
        expectEnding(End::normal, 0, "stage " + std::to_string(stage));
    }
}

TEST_F(Scenes, MegumiAsksTheNameOnceThenGreetsTheSoulByIt)
{
    my.eventFlag[0] = 0;
    visit(0, 0);
    EXPECT_EQ(portraitFile, "7.bmp");
    EXPECT_EQ(enemyMaxHp, 5);
    EXPECT_EQ(enemyItem, 0);
    EXPECT_EQ(enemyAlignment, 1);
    ASSERT_EQ(game.said.size(), 1u);
    EXPECT_EQ(named(), 0);
    EXPECT_EQ(f.name_box->pos(), QPoint(0, 167));
    expectEnding(End::nameEntry, 0, "no name yet");

    f.name_l->setText("ＺＺ");
    f.Button5Click();   // the name is taken (and answered) by the name box
    EXPECT_EQ(my.eventFlag[0], 1);

    visit(0, 0);
    ASSERT_EQ(game.said.size(), 1u);
    EXPECT_EQ(named(), 1);
    expectEnding(End::normal, 0, "named");
}

TEST_F(Scenes, MegumiSpeaksBeyondTheGateWithoutBeingSeen)
{
    f.cg->canvas.fillAll(Qt::red);
    visit(10, 7);
    EXPECT_EQ(portraitFile, "none");
    EXPECT_EQ(f.cg->picture.pixelColor(150, 200), QColor(Qt::red));
    EXPECT_EQ(enemyMaxHp, 5);
    EXPECT_EQ(enemyAlignment, 1);
    EXPECT_TRUE(visible(f.state_l3));
    EXPECT_EQ(game.said.size(), 1u);
    expectEnding(End::normal, 0, "beyond");
}

TEST_F(Scenes, TotoStartsOverOnANoAndNeedsTwoYeses)
{
    const int maxSoul = my.maxSoul;
    visit(0, 8);
    const std::string firstQuestion = game.said.at(0);
    f.BitBtn2Click();   // NO to question 4
    EXPECT_EQ(my.eventFlag[2], 0);

    visit(0, 9);
    EXPECT_EQ(game.said.at(0), firstQuestion);
    EXPECT_EQ(pendingQuestion, 4);
    f.BitBtn1Click();
    visit(0, 8);
    EXPECT_EQ(pendingQuestion, 3);
    f.BitBtn2Click();   // NO to question 3 starts him over as well
    EXPECT_EQ(my.eventFlag[2], 0);

    visit(0, 8);
    f.BitBtn1Click();
    visit(0, 8);
    f.BitBtn1Click();
    EXPECT_EQ(my.eventFlag[2], 2);   // enough for the gate
    EXPECT_EQ(my.maxSoul, maxSoul - 3);
}

TEST_F(Scenes, TheMerchantOffersARandomItemAtItsPrice)
{
    my.coins = 0;   // the price is then R(value) alone
    visit(2, 1, {2, 200, 3, 99, 7});
    EXPECT_EQ(portraitFile, "9.bmp");
    EXPECT_EQ(enemyMaxHp, 2 + 0 + 2 + 55);
    EXPECT_EQ(enemyAlignment, 1);
    EXPECT_EQ(enemyItem, 3);
    EXPECT_EQ(game.said, std::vector<std::string>{"シグマ「【修練の木刀】なんてどうだい？金貨7枚でどう？"_sj + " "});   // evened out
    EXPECT_EQ(offerItem, 3);
    EXPECT_EQ(offerCoins, -7);
    expectEnding(End::question, 5, "offer");

    // An item of no value is priced as if it were worth 3.
    my.coins = 10;
    visit(9, 1, {0, 4, 6, 5});
    EXPECT_EQ(enemyMaxHp, 0 + 10 + 2 + 55);
    EXPECT_EQ(offerItem, 4);
    EXPECT_EQ(offerCoins, -(6 + 5 % 3));
    EXPECT_EQ(game.said.at(0), "シグマ「【魔女の黒飴】なんてどうだい？金貨8枚でどう？"_sj + " ");
    for (int area : {5, 10}) {
        visit(area, 1, {0, 3, 0, 0});
        expectEnding(End::question, 5, "area " + std::to_string(area));
    }
}

TEST_F(Scenes, TheWitchInTheFieldReadsTheSoulsKarma)
{
    std::vector<std::string> heard[3];
    const int karmas[3] = {1, -1, 0};
    for (int i = 0; i < 3; ++i) {
        my.karma = karmas[i];
        visit(4, 4);
        heard[i] = game.said;
        EXPECT_EQ(enemyMaxHp, 15);
        EXPECT_EQ(enemyItem, 14);
        EXPECT_EQ(enemyAlignment, -1);
        expectEnding(End::normal, 0, "karma " + std::to_string(karmas[i]));
    }
    EXPECT_EQ(heard[0].size(), 2u);
    EXPECT_EQ(heard[1].size(), 2u);
    EXPECT_EQ(heard[2].size(), 1u);
    EXPECT_NE(heard[0], heard[1]);
}

TEST_F(Scenes, JiyusGiftComesOnItsFourthLineAndOnlyOnce)
{
    my.eventFlag[4] = 2;
    my.itemCount[10] = 5;
    visit(1, 0);
    ASSERT_EQ(game.said.size(), 4u);
    EXPECT_EQ(game.said[3], "【手作りのお守り】を貰った!!"_sj);
    EXPECT_EQ(my.itemCount[10], 6);   // no cap on gifts
    visit(1, 0);
    visit(1, 0);
    EXPECT_EQ(my.itemCount[10], 6);
}

TEST_F(Scenes, AnAwardIsScaledLikeAnyOther)
{
    // トト's award of 100 at the gate, on EASY with karma 0 and no runs before: 100 + 100/4.
    my.eventFlag[2] = 3;
    visit(0, 8);
    EXPECT_EQ(my.score, 125);
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"score.wav"});
}

TEST_F(Scenes, PoorAndDrainedSoulsMeetFeebleGrudges)
{
    my.coins = 0;
    visit(12, 3, {5});
    EXPECT_EQ(enemyMaxHp, 1);
    my.deathEnergy = 0;
    visit(13, 2, {5});
    EXPECT_EQ(enemyMaxHp, 1);
}

TEST_F(Scenes, TheTollOfPressureIsHalfThePurseAndOne)
{
    // Draw 7 of the town, which its R(7) never gives.
    my.coins = 11;
    beforeVisit();
    my.currentArea = 3;
    hidePlayButtons();
    playAreaScene(3, 7);
    EXPECT_EQ(portraitFile, "kuguwa.bmp");
    EXPECT_EQ(enemyMaxHp, 20 + 3);
    EXPECT_EQ(enemyItem, 72);
    EXPECT_EQ(enemyAlignment, -2);
    ASSERT_EQ(game.said.size(), 3u);
    EXPECT_EQ(game.said[0].rfind("圧力"_sj, 0), 0u);
    EXPECT_EQ(game.said[2], "ここを通りたくば、金貨 6枚を渡せ...."_sj);
    EXPECT_EQ(offerCoins, -6);
    expectEnding(End::question, 10, "toll");
    expectFits();
}

TEST_F(Scenes, AClosingWindowRunsTheSceneThroughCountersAndAwardsIncluded)
{
    my.eventFlag[2] = 3;
    clickWait = -1;
    visit(0, 8);
    EXPECT_EQ(my.eventFlag[2], 4);
    EXPECT_GT(my.score, 0);
    my.eventFlag[4] = 2;
    visit(1, 0);
    EXPECT_EQ(my.eventFlag[4], 3);
    EXPECT_EQ(my.itemCount[10], 1);
    EXPECT_TRUE(game.said.empty());
}

} // namespace
