// The level-up choice: each of the five gains, listed under the growth,
// and the defeat's own rewards after it.
#include <gtest/gtest.h>

#include <QTest>

#include "battle/defeat.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"

namespace {

using Lines = std::vector<std::string>;

class LevelUp : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    const std::string grown = "姿を消した....\r記憶が 25増えた\rあなたは成長した!!"_sj;
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
        my.soulSword = my.soulArmor = 0;
        my.deathEnergy = 100;
        my.itemCount.fill(0);
        guardianBattle = 0;
        enemyItem = 3;
        enemyAlignment = enemySpecial = 0;
        game.clickThrough();
    }
    // The moment after a level gain: the growth said, the panel open.
    void grow()
    {
        f.moji_l->setCaption(grown);
        f.moji_l2->setCaption(grown);
        f.lvup_box->show();
    }
    Lines rewardsAfter(const std::string& line) const
    {
        return {grown + "\r" + line, grown + "\r" + line + "\r【"_sj + itemTable[3].name + "】を入手した!!"_sj,
                "死のエネルギーが 10増えた"_sj};
    }
};

TEST_F(LevelUp, EachChoiceGivesItsGainThenTheRewards)
{
    const struct {
        TButton* TForm1::*button;
        const char* line;
        const char* cue;
        int sword, armour, size, energy;
    } choices[] = {
        {&TForm1::BitBtn6, "魂の剣が 1強くなった!!", "up.wav", 1, 0, 20, 110},
        {&TForm1::BitBtn8, "魂の鎧が 1強くなった!!", "up.wav", 0, 1, 20, 110},
        {&TForm1::BitBtn7, "魂の大きさが 3成長した!!", "up.wav", 0, 0, 23, 110},
        {&TForm1::BitBtn9, "死のエネルギーが 100回復した!!", "toki.wav", 0, 0, 20, 210},
    };
    for (const auto& c : choices) {
        SCOPED_TRACE(c.line);
        my.soulSword = my.soulArmor = 0;
        my.maxSoul = 20;
        my.deathEnergy = 100;
        my.itemCount[3] = 0;
        game.said.clear();
        grow();
        QTest::mouseClick(f.*c.button, Qt::LeftButton);
        EXPECT_FALSE(visible(f.lvup_box));
        EXPECT_EQ(game.cues(0).back(), c.cue);
        EXPECT_EQ(game.said, rewardsAfter(toCp932(c.line).value()));
        EXPECT_EQ(my.soulSword, c.sword);
        EXPECT_EQ(my.soulArmor, c.armour);
        EXPECT_EQ(my.maxSoul, c.size);
        EXPECT_EQ(my.deathEnergy, c.energy);
        EXPECT_EQ(my.itemCount[3], 1);
        EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));
    }
    EXPECT_EQ(my.score, 0);
}

TEST_F(LevelUp, TheScoreChoiceIsScaledLikeEveryAward)
{
    grow();
    my.tryCount = 3;
    f.BitBtn10Click();
    EXPECT_EQ(my.score, 400 * 2 + 3);   // NOMAL, an area without bonus, three tries
    EXPECT_EQ(game.cues(0), Lines{"score.wav"});
    EXPECT_EQ(game.said, rewardsAfter("個体スコアを手に入れた!!"_sj));
}

TEST_F(LevelUp, AGrownSoulIsNotFilled)
{
    grow();
    f.BitBtn7Click();
    EXPECT_EQ(my.maxSoul, 23);
    EXPECT_EQ(my.soul, 20);
}

TEST_F(LevelUp, TheEnergyChoiceComesBeforeTheDefeatsGain)
{
    grow();
    my.deathEnergy = -40;
    enemyItem = -1;
    f.BitBtn9Click();
    EXPECT_EQ(game.said, (Lines{grown + "\r" + "死のエネルギーが 100回復した!!"_sj, "死のエネルギーが 10増えた"_sj}));
    EXPECT_EQ(my.deathEnergy, 70);
}

TEST_F(LevelUp, ADefeatOpensThePanelAndTheChoiceFinishesIt)
{
    my.consciousness = 0;
    my.memory = 90;
    my.maxSoul = 10;
    enemyMaxHp = 10;
    inBattle = 1;
    DefeatEnemy();
    ASSERT_TRUE(visible(f.lvup_box));
    EXPECT_EQ(f.moji_l->caption(), grown);
    f.BitBtn6Click();
    EXPECT_EQ(my.soulSword, 1);
    EXPECT_EQ(my.itemCount[3], 1);
    EXPECT_EQ(my.consciousness, 1);
    EXPECT_EQ(my.memory, 0);
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b) && f.item_list->isEnabled());
}

} // namespace
