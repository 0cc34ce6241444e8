// Searching with the battle button: every thing a step can leave at the
// soul's feet, the order they are found in, and the empty searches.
#include <gtest/gtest.h>

#include <QEvent>
#include <functional>

#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"

namespace {

using Lines = std::vector<std::string>;

// Runs a check whenever the watched control is shown.
class OnShow : public QObject {
public:
    explicit OnShow(std::function<void()> check) : check_(std::move(check)) {}
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Show)
            check_();
        return false;
    }

private:
    std::function<void()> check_;
};

// Ids the item draws below point at; 200 has no name and is drawn again.
constexpr int unnamed = 200;

class Search : public ::testing::Test {
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
        my.soul = 10;
        my.maxSoul = 20;
        my.soulSword = 3;
        my.deathEnergy = 100;
        my.coins = 4;
        my.memory = my.consciousness = 0;
        my.statusHeal = my.statusGrudge = 0;
        my.itemCount.fill(0);
        inBattle = guardianBattle = 0;
        enemyHp = enemyMaxHp = 0;
        enemySpecial = 0;
        enemyItem = -1;
        foundJewel = foundTree = foundCorpse = foundObject = foundSealedCorpse = foundOrb = 0;
        sealMarkState = emptySearchCount = 0;
        bakIndex = 1;
        portraitFile.clear();
        showPicture("bak1.bmp");
        showPlayButtons();
        game.clickThrough();
    }
    void TearDown() override { EXPECT_EQ(pendingDraws(), 0) << "fewer draws taken than scripted"; }

    // One press of the battle button: the slash of the prelude takes 20
    // draws (its start, then the width and end of six segments), the search
    // the ones given.
    void search(std::initializer_list<int> draws = {})
    {
        for (int i = 0; i < 20; ++i)
            feedDraws({0});
        feedDraws(draws);
        game.said.clear();
        f.battle_bClick();
    }
    bool sceneIs(const char* picture) const
    {
        return f.cg->picture ==
               QImage(QString::fromStdString(game.dir.cg(picture))).convertToFormat(f.cg->picture.format());
    }
    std::string message() const { return f.moji_l->caption(); }
    std::string itemName(int id) const { return itemTable[id].name; }
    void putOnField(TImage* pickup) { pickup->move(120, pickup->y()); }
};

TEST_F(Search, TheJewelByDrawAndKarma)
{
    const struct {
        int draw, karma;
        const char* picture;
        int soul, maxSoul;
        const char* line;
    } cases[] = {
        {0, 0, "juel1.bmp", 11, 20, "魂が 1回復した!!"},
        {7, -30, "juel1.bmp", 11, 20, "魂が 1回復した!!"},
        {8, 0, "juel2.bmp", 10, 21, "最大魂が 1増えた!!"},
        {9, 30, "juel3.bmp", 10, 20, "カラだった..."},
        {10, -11, "juel3.bmp", 9, 20, "破片で怪我を負った....魂 -1"},
        {10, -10, "juel3.bmp", 10, 20, "カラだった..."},
        {10, 10, "juel3.bmp", 10, 20, "カラだった..."},
        {10, 11, "juel1.bmp", 12, 20, "魂が 2回復した!!"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line + std::string(" ") + std::to_string(c.draw));
        my.soul = 10;
        my.maxSoul = 20;
        my.karma = c.karma;
        foundJewel = 1;
        const size_t strdown = game.cues(2).size();
        search({c.draw});
        EXPECT_EQ(foundJewel, 0);
        EXPECT_TRUE(sceneIs(c.picture));
        EXPECT_EQ(my.soul, c.soul);
        EXPECT_EQ(my.maxSoul, c.maxSoul);
        EXPECT_EQ(message(), toCp932(c.line).value());
        EXPECT_EQ(game.cues(0).back(), "bell.wav");
        EXPECT_EQ(game.cues(2).size() - strdown, c.soul == 9 ? 1u : 0u);
    }
}

TEST_F(Search, TheJewelsFragmentCanKill)
{
    my.soul = 1;
    my.karma = -11;
    foundJewel = 1;
    search({10});
    EXPECT_EQ(game.said.at(0), "あなたは死んでしまった...."_sj);
    EXPECT_EQ(my.soul, 1);   // and stood up again
    EXPECT_EQ(my.maxSoul, 19);
    EXPECT_EQ(my.deathEnergy, 0);
    EXPECT_EQ(game.cues(2), Lines{"strdown.wav"});
}

TEST_F(Search, ANeutralSoulMayFailAtATreeAgainAndAgain)
{
    foundTree = 1;
    search({0});
    EXPECT_EQ(foundTree, 1);
    EXPECT_EQ(message(), "木は切れなかった...."_sj);
    search({19});
    EXPECT_EQ(foundTree, 1);
    EXPECT_EQ(message(), "木は切れなかった...."_sj);
    search({12});
    EXPECT_EQ(foundTree, 0);
    EXPECT_EQ(message(), "木を切り倒した!!"_sj);
    EXPECT_TRUE(sceneIs("tree2.bmp"));
    EXPECT_EQ(my.memory, 1);
    EXPECT_EQ(game.cues(1), (Lines{"tree.wav", "tree.wav", "tree.wav"}));
}

TEST_F(Search, WhatElseATreeGives)
{
    foundTree = 1;
    search({13});
    EXPECT_EQ(message(), "時の欠片だ!!....死のエネルギーが 10増えた"_sj);
    EXPECT_TRUE(sceneIs("tree4.bmp"));
    EXPECT_EQ(my.deathEnergy, 110);

    foundTree = 1;
    search({18});
    EXPECT_EQ(message(), "かぐや姫だ!!"_sj);
    EXPECT_TRUE(sceneIs("tree3.bmp"));
    EXPECT_EQ(my.itemCount[25], 1);
    EXPECT_EQ(f.item_list->itemText(0), itemName(25));

    my.karma = -11;   // a dark soul's blade chips on it
    foundTree = 1;
    search({19});
    EXPECT_EQ(foundTree, 1);
    EXPECT_EQ(message(), "剣の歯が欠けてしまった....剣△ -1"_sj);
    EXPECT_EQ(my.soulSword, 2);
    EXPECT_EQ(game.cues(2), Lines{"strdown.wav"});

    my.karma = 11;   // a holy one's grows on it
    search({0});
    EXPECT_EQ(foundTree, 0);
    EXPECT_EQ(message(), "剣が成長した!!....剣△ +1"_sj);
    EXPECT_TRUE(sceneIs("tree2.bmp"));
    EXPECT_EQ(my.soulSword, 3);
    EXPECT_EQ(game.cues(2).back(), "up.wav");
}

TEST_F(Search, ACorpseHoldsAnItemOrAnEvilAir)
{
    foundCorpse = 1;
    search({8, unnamed, 5});
    EXPECT_EQ(foundCorpse, 0);
    EXPECT_EQ(message(), "『"_sj + itemName(5) + "』を骸の中から発見した!!"_sj);
    EXPECT_EQ(my.itemCount[5], 1);
    EXPECT_EQ(f.item_list->count(), 1);
    EXPECT_TRUE(sceneIs("trager2.bmp"));
    EXPECT_EQ(game.cues(0).back(), "mukuro.wav");

    // Whether the soul could walk away, or use an item (one that leaves for
    // the map, say), while the evil air is told.
    std::vector<bool> walkAtWait;
    OnShow waiting([&] { walkAtWait.push_back(visible(f.walk_b) || f.item_list->isEnabled()); });
    f.click_l->hide();   // from rest, every wait shows it
    f.click_l->installEventFilter(&waiting);
    const struct {
        int karma, energy;
        const char* line;
    } airs[] = {{-11, 110, "妖気を吸収し、死のエネルギーを +10した"},
                {11, 80, "死のエネルギーを 20ロストした"},
                {10, 90, "死のエネルギーを 10ロストした"}};
    for (const auto& air : airs) {
        my.karma = air.karma;
        my.deathEnergy = 100;
        foundCorpse = 1;
        showPlayButtons();
        search({9});
        EXPECT_EQ(game.said, Lines{"只ならぬ妖気が辺りに立ちこめた"_sj});
        EXPECT_EQ(message(), toCp932(air.line).value());
        EXPECT_EQ(my.deathEnergy, air.energy);
        EXPECT_TRUE(visible(f.walk_b) && f.item_list->isEnabled());
        EXPECT_FALSE(visible(f.battle_b));   // the wait took it away
    }
    EXPECT_EQ(walkAtWait, std::vector<bool>(3, false));
}

TEST_F(Search, ObjectsAndTheBackgroundsAfterThem)
{
    bakIndex = 0;   // read as 1
    foundObject = 1;
    search({6, 3});
    EXPECT_EQ(message(), "『"_sj + itemName(3) + "』を拾った!!"_sj);
    EXPECT_EQ(my.itemCount[3], 1);
    EXPECT_TRUE(sceneIs("bak1.bmp"));

    my.soul = 9;
    foundObject = 1;
    search({7});
    EXPECT_EQ(message(), "爆弾だった....!! 魂半減"_sj);
    EXPECT_EQ(my.soul, 5);
    EXPECT_TRUE(sceneIs("bak2.bmp"));

    foundObject = 1;
    search({9});
    EXPECT_EQ(message(), "『石っころ』を拾った"_sj);
    EXPECT_EQ(my.itemCount[103], 1);
    EXPECT_EQ(f.item_list->count(), 2);
    EXPECT_TRUE(sceneIs("bak3.bmp"));

    foundObject = 1;
    search({8});
    EXPECT_EQ(my.itemCount[103], 2);
    EXPECT_EQ(foundObject, 0);
    EXPECT_TRUE(sceneIs("bak1.bmp"));
    EXPECT_EQ(bakIndex, 2);
}

TEST_F(Search, ASealedCorpseWantsAKey)
{
    foundSealedCorpse = 1;
    for (int i = 0; i < 2; ++i) {
        search();
        EXPECT_EQ(message(), "特殊な躯のようだ。この躯を開くにはカギが必要らしい...."_sj);
        EXPECT_EQ(foundSealedCorpse, 1);
    }
    EXPECT_EQ(game.cues(0).back(), "mukuro.wav");

    my.itemCount[95] = 2;
    search({unnamed, 7});
    EXPECT_EQ(foundSealedCorpse, 0);
    EXPECT_EQ(my.itemCount[95], 1);
    EXPECT_EQ(my.itemCount[7], 3);
    EXPECT_EQ(message(), "カギを1つ使用して、『"_sj + itemName(7) + "』を 3つ発見した!!"_sj);
    EXPECT_TRUE(sceneIs("trager2.bmp"));
}

TEST_F(Search, TheOrbsSpiritsAttack)
{
    foundOrb = 1;
    search({0, 3});
    EXPECT_EQ(foundOrb, 0);
    EXPECT_EQ(game.cues(0).at(1), "paka.wav");
    EXPECT_EQ(game.said, Lines{"パン！が現れた"_sj});
    EXPECT_EQ(f.state_l3->caption(), "パン！\r\rHP 10 / 10\r\r所持:"_sj + itemName(3));
    EXPECT_EQ(portraitFile, "pan.bmp");
    EXPECT_EQ(enemyAlignment, 1);
    EXPECT_EQ(enemySpecial, 4);
    EXPECT_EQ(inBattle, 1);
    EXPECT_EQ(message(), "襲ってきた!!"_sj);

    inBattle = enemyHp = 0;
    foundOrb = 1;
    search({1, 4});
    EXPECT_EQ(game.said, Lines{"バン！が現れた"_sj});
    EXPECT_EQ(enemyMaxHp, 5);   // the purse and one
    EXPECT_EQ(enemyItem, 4);
    EXPECT_EQ(enemyAlignment, -1);
    EXPECT_EQ(enemySpecial, 5);
    EXPECT_EQ(portraitFile, "ban.bmp");
    EXPECT_EQ(inBattle, 1);
}

TEST_F(Search, TheOrbsSpiritsTalk)
{
    const struct {
        int draw;
        const char* portrait;
        Lines said;
        int strength, item, alignment, heal, grudge;
    } cases[] = {
        {2, "pan.bmp", {"パン！「疲れただろう、こうしてやるさ」"_sj, "【癒】状態になった!!"_sj}, 10, 7, 1, 1, 0},
        {5, "ban.bmp", {"バン！「よくも割ったね！！こうしてやるよ」"_sj, "【怨】状態になった!!"_sj}, 5, 20, -1, 0, 1},
        {8, "ban.bmp", {"バン！「寒いからすぐに閉じて!!」"_sj}, 100, 18, -1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.draw);
        my.statusHeal = my.statusGrudge = 0;
        enemyHp = 0;   // the last one was left behind
        enemySpecial = 2;
        foundOrb = 1;
        search({c.draw});
        EXPECT_EQ(game.said, c.said);
        EXPECT_EQ(portraitFile, c.portrait);
        EXPECT_EQ(enemyHp, c.strength);
        EXPECT_EQ(enemyMaxHp, c.strength);
        EXPECT_EQ(enemyItem, c.item);
        EXPECT_EQ(enemyAlignment, c.alignment);
        EXPECT_EQ(enemySpecial, 2);   // left as it was
        EXPECT_EQ(my.statusHeal, c.heal);
        EXPECT_EQ(my.statusGrudge, c.grudge);
        EXPECT_EQ(inBattle, 0);   // it stands and may be attacked
        EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));
        EXPECT_TRUE(visible(f.state_l3));
    }
}

TEST_F(Search, AnOrbMayBeEmptyOrOfferTheWayOut)
{
    foundOrb = 1;
    search({6});
    EXPECT_EQ(foundOrb, 0);
    EXPECT_TRUE(game.said.empty());
    EXPECT_EQ(portraitFile, "");
    EXPECT_EQ(enemyHp, 0);

    foundOrb = 1;
    search({7});
    EXPECT_EQ(game.said, Lines{"パン！「こっから出してやろうか？」"_sj});
    EXPECT_TRUE(visible(f.select_box));
    EXPECT_EQ(pendingQuestion, 12);
    EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b));
}

TEST_F(Search, TheSealMarkCools)
{
    sealMarkState = 1;
    search();
    EXPECT_EQ(sealMarkState, 2);
    EXPECT_EQ(message(), "刻印の温度が下がった"_sj);
    EXPECT_EQ(game.cues(0), (Lines{"1.wav", "bell.wav"}));
}

TEST_F(Search, TheDarkerTheKarmaTheRarerTheTimeShardsSpirit)
{
    my.consciousness = 2;
    const int cases[][2] = {{10, 2}, {9, 3}, {-9, 3}, {-10, 4}, {-19, 4}, {-20, 5}};
    for (const auto& [karma, n] : cases) {
        SCOPED_TRACE(karma);
        my.karma = karma;
        inBattle = enemyHp = 0;
        putOnField(f.toki_cg);
        // 59 is one short of a multiple of 2, 3, 4 and 5: it draws n - 1.
        search({0, 59, 1, unnamed, 0});
        EXPECT_EQ(f.toki_cg->x(), -50);
        EXPECT_EQ(enemyMaxHp, n - 1 + 2 + 5);
        EXPECT_EQ(enemyItem, 0);   // 1 is of the wrong kind
        EXPECT_EQ(enemySpecial, 3);
        EXPECT_EQ(enemyAlignment, 0);
        EXPECT_EQ(portraitFile, "muzoku.bmp");
        EXPECT_EQ(game.said, Lines{"無属性霊体が現れた"_sj});
        EXPECT_EQ(f.state_l3->caption().substr(0, 10), "無属性霊体"_sj);
        EXPECT_EQ(inBattle, 1);
    }
    EXPECT_EQ(game.cues(2).front(), "bell.wav");

    inBattle = enemyHp = 0;
    my.karma = 0;
    putOnField(f.toki_cg);
    search({1});
    EXPECT_EQ(message(), "時の欠片は砕けてしまった...."_sj);
    EXPECT_EQ(f.toki_cg->x(), -50);
    EXPECT_EQ(inBattle, 0);
}

TEST_F(Search, TheCoinsSpiritIsAsStrongAsTheSoul)
{
    my.maxSoul = 1;
    putOnField(f.coin_cg);
    search({7, 0, unnamed, 27});
    EXPECT_EQ(f.coin_cg->x(), -50);
    EXPECT_EQ(enemyMaxHp, 1);
    EXPECT_EQ(enemyItem, 27);
    EXPECT_EQ(enemyAlignment, -2);
    EXPECT_EQ(f.state_l3->caption(), "金貨に潜む精霊\r\rHP 1 / 1\r\r所持:"_sj + itemName(27));
    EXPECT_EQ(portraitFile, "2.bmp");
    EXPECT_EQ(game.said, Lines{"金貨の精、魔人フーガが現れた"_sj});
    EXPECT_EQ(game.cues(2), Lines{"bell.wav"});
    EXPECT_EQ(inBattle, 1);

    inBattle = enemyHp = 0;
    my.maxSoul = 10;
    putOnField(f.coin_cg);
    search({7, 27});
    EXPECT_EQ(enemyMaxHp, 17);
}

TEST_F(Search, ASpiritWithNothingOfItsKindToHoldHoldsNothing)
{
    for (titem& item : itemTable)
        if (item.kind == 12)
            item.name.clear();
    my.maxSoul = 1;
    putOnField(f.coin_cg);
    search({0});
    EXPECT_EQ(enemyItem, -1);
    EXPECT_EQ(f.state_l3->caption(), "金貨に潜む精霊\r\rHP 1 / 1\r\r"_sj);
    EXPECT_EQ(inBattle, 1);
}

TEST_F(Search, ThirtyEmptySearchesFindNobodyTheNextFindsTheCreature)
{
    my.maxSoul = 1;
    for (int i = 1; i <= 30; ++i) {
        search();
        ASSERT_EQ(message(), "だれもいない...."_sj) << i;
        ASSERT_EQ(emptySearchCount, i);
    }
    EXPECT_TRUE(game.said.empty());
    search({5, unnamed, 9});
    EXPECT_EQ(emptySearchCount, 0);
    EXPECT_EQ(enemyMaxHp, 2);
    EXPECT_EQ(enemyAlignment, -4);
    EXPECT_EQ(enemyItem, 9);
    EXPECT_EQ(f.state_l3->caption(), "次元の狭間にいきる生命体\r\rHP 2 / 2\r\r所持:"_sj + itemName(9));
    EXPECT_EQ(portraitFile, "4.bmp");
    EXPECT_EQ(game.said, Lines{"次元が割れ、妖魔オルフが現れた!!"_sj});
    EXPECT_EQ(inBattle, 1);

    inBattle = enemyHp = 0;
    search();
    EXPECT_EQ(emptySearchCount, 1);
    EXPECT_EQ(message(), "だれもいない...."_sj);
}

TEST_F(Search, TheFirstThingLyingHereIsFoundFirstAndTheFightComesLast)
{
    foundJewel = foundTree = foundCorpse = foundObject = foundSealedCorpse = foundOrb = 1;
    sealMarkState = 1;
    my.itemCount[95] = 1;
    putOnField(f.toki_cg);
    putOnField(f.coin_cg);
    auto lying = [&] {
        return std::vector<int>{foundJewel,       foundTree, foundCorpse,          foundObject,
                                foundSealedCorpse, foundOrb,  sealMarkState ? 1 : 0, f.toki_cg->x() >= 0,
                                f.coin_cg->x() >= 0};
    };
    search({9});   // jewel: empty
    EXPECT_EQ(lying(), (std::vector<int>{0, 1, 1, 1, 1, 1, 1, 1, 1}));
    search({5});   // tree: cut
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 1, 1, 1, 1, 1, 1, 1}));
    search({0, 3});   // corpse: an item
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 1, 1}));
    search({8});   // object: a pebble
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 1}));
    search({3});   // sealed corpse, with the key
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 0, 0, 0, 1, 1, 1, 1}));
    search({6});   // orb: empty
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 1, 1}));
    search();   // the seal mark cools, and stays until it is touched
    EXPECT_EQ(sealMarkState, 2);
    search();
    EXPECT_EQ(sealMarkState, 2);
    sealMarkState = 0;   // touched
    search({1});   // time shard: it crumbles
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1}));
    search({0, 27});   // the coin's spirit attacks
    EXPECT_EQ(lying(), (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(inBattle, 1);
    const int hp = enemyHp;
    // Now the button fights: the enemy's and the soul's base, four tags, the answer.
    search({0, 0, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_LT(enemyHp, hp);
    EXPECT_EQ(emptySearchCount, 0);
}

} // namespace
