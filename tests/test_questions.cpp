// Naming the soul, and the answers to every yes/no question.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTimer>
#include <filesystem>
#include <set>

#include "core/datafile.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/music.h"
#include "ui/play_buttons.h"

namespace {

using Lines = std::vector<std::string>;

class Questions : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();
        f.Timer4->stop();
        f.start_box->hide();
        my.currentArea = 1;
        my.difficulty = 1;
        my.playerName = "ソウル"_sj;
        my.karma = 0;
        portraitFile = "1.bmp";
        inBattle = guardianBattle = 0;
        clickWait = 1;   // no click awaited before the first line
        game.clickThrough();
    }
    // Types the name and presses "きめた".
    void name(const char* typed)
    {
        f.name_box->show();
        f.name_l->setText(QString::fromUtf8(typed));
        f.Button5Click();
    }
    // Puts question q as a scene does, then answers it. The buttons are
    // back, as after a death on the step that asked: through the answer's
    // lines nothing else may be pressed all the same.
    void answer(int q, bool yes)
    {
        showPlayButtons();
        f.select_box->show();
        pendingQuestion = q;
        bool offered = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] { offered |= visible(f.walk_b) || f.item_list->isEnabled(); });
        watch.start(0);
        yes ? f.BitBtn1Click() : f.BitBtn2Click();
        watch.stop();
        EXPECT_FALSE(offered);
        EXPECT_FALSE(visible(f.select_box));
        EXPECT_EQ(game.cues(2).at(0), "6.wav");
    }
    bool playButtons() const { return visible(f.walk_b) && visible(f.battle_b) && f.item_list->isEnabled(); }
    // Lines as the message line shows them: an odd line gets a blank.
    static std::string shown(std::string line) { return line.size() % 2 ? line + " " : line; }
    Lines said(std::initializer_list<const char*> lines)
    {
        Lines out;
        for (const char* l : lines)
            out.push_back(shown(toCp932(l).value()));
        return out;
    }
};

TEST_F(Questions, TheOneLetterKIsStrongWithItsBlank)
{
    const int sword = my.soulSword;
    name("k");
    EXPECT_EQ(my.playerName, "k ");
    EXPECT_EQ(my.soulSword, sword + 1);
    EXPECT_EQ(game.said, said({"「k 」・・・・、なんだか強そうな名前だね!!", "魂の剣が 1強くなった!!"}));
    EXPECT_EQ(my.eventFlag[0], 1);
    EXPECT_FALSE(visible(f.name_box));
    EXPECT_EQ(game.cues(2), std::vector<std::string>{"6.wav"});
    EXPECT_TRUE(playButtons());
}

TEST_F(Questions, AFullWidthKIsStoredAsTyped)
{
    const int sword = my.soulSword;
    name("ｋ");
    EXPECT_EQ(my.playerName, "ｋ"_sj);
    EXPECT_EQ(my.soulSword, sword + 1);
    EXPECT_EQ(game.said.at(0), "「ｋ」・・・・、なんだか強そうな名前だね!!"_sj);
}

TEST_F(Questions, AShortStrangeNameLowersKarma)
{
    name("a");
    EXPECT_EQ(my.playerName, "a ");
    EXPECT_EQ(my.karma, -1);
    EXPECT_EQ(game.said, said({"「a 」・・・・、変わった名前・・・ちょっと恐いね"}));
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"carma_down.wav"});
}

TEST_F(Questions, AnOrdinaryNameGetsOneOfTheGuidesRemarks)
{
    Lines remarks;
    for (int draw = 0; draw < 4; ++draw) {
        game.said.clear();
        feedDraws({draw});
        name("abc");
        EXPECT_EQ(my.playerName, "abc ");
        ASSERT_EQ(game.said.size(), 1u);
        const std::string opening = "「abc 」・・・・へぇ、めぐみ「"_sj;
        EXPECT_EQ(game.said[0].substr(0, opening.size()), opening);
        remarks.push_back(game.said[0]);
    }
    EXPECT_EQ(std::set<std::string>(remarks.begin(), remarks.end()).size(), 4u);
    EXPECT_EQ(my.karma, 0);
}

TEST_F(Questions, AnEmptyEditDoesNothing)
{
    my.eventFlag[0] = 0;
    name("");
    EXPECT_TRUE(visible(f.name_box));
    EXPECT_EQ(my.playerName, "ソウル"_sj);
    EXPECT_EQ(my.eventFlag[0], 0);
    EXPECT_EQ(game.cueCount(), 0u);
    EXPECT_TRUE(game.said.empty());
}

TEST_F(Questions, TheOtherGroupsGiveTheirBonuses)
{
    const tmy before = my;
    name("jam");
    EXPECT_EQ(my.playerName, "jam ");
    EXPECT_EQ(my.soulArmor, before.soulArmor + 1);
    name("碁");
    EXPECT_EQ(my.maxSoul, before.maxSoul + 2);
    name("7");   // compared as typed, stored with its blank
    EXPECT_EQ(my.playerName, "7 ");
    EXPECT_GT(my.score, before.score + 100);   // the award is scaled
    EXPECT_EQ(game.said, said({"「jam 」・・・・、その名前、なんだか安心する", "魂の鎧が 1強くなった!!",
                               "「碁」・・・・、その名前、なんだか聞いた事があるような", "魂の大きさが 2上昇した!!",
                               "「7 」・・・・!!!!すごい名前だね", "個体スコアが 100上昇した!!"}));
    EXPECT_EQ(my.soulSword, before.soulSword);
}

TEST_F(Questions, TheNameBoxTakesSixteenCharactersWithACp932Form)
{
    auto type = [this](const char* utf8) {
        for (QChar c : QString::fromUtf8(utf8)) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(f.name_l, &key);
        }
    };
    f.name_box->show();
    type("あいうえおかきくけこさしすせそたち");
    EXPECT_EQ(f.name_l->text(), QString::fromUtf8("あいうえおかきくけこさしすせそた"));
    f.Button5Click();
    EXPECT_EQ(my.playerName.size(), 32u);
    f.name_l->clear();
    f.name_box->show();   // a box not on screen takes no keys
    type("a한b");
    EXPECT_EQ(f.name_l->text(), "ab");
}

TEST_F(Questions, TheWitchsGiftsAndTheJudgesWeighing)
{
    const tmy before = my;
    answer(1, true);
    answer(2, true);
    answer(3, true);
    answer(4, true);
    EXPECT_EQ(my.soulSword, before.soulSword + 3);
    EXPECT_EQ(my.maxSoul, before.maxSoul + 10 - 2);
    my.eventFlag[2] = 2;
    answer(1, false);
    answer(2, false);
    answer(3, false);
    EXPECT_EQ(my.eventFlag[2], 0);
    my.eventFlag[2] = 1;
    answer(4, false);
    EXPECT_EQ(my.eventFlag[2], 0);
    EXPECT_EQ(game.said, said({"つよさが+3された", "最大魂が +10された", "最大魂が -1された", "最大魂が -1された",
                               "「そっか」", "「あっそう」", "「おまえは死者としてふさわしくないようだ」",
                               "「おまえは死者としてふさわしくないようだ」"}));
    EXPECT_TRUE(playButtons());
}

TEST_F(Questions, TheMerchantSellsForExactlyThePrice)
{
    my.itemCount.fill(0);
    offerItem = 8;
    offerCoins = -12;
    my.coins = 11;
    answer(5, true);
    EXPECT_EQ(my.coins, 11);
    EXPECT_EQ(my.itemCount[8], 0);
    my.coins = 12;
    answer(5, true);
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.itemCount[8], 1);
    ASSERT_EQ(f.item_list->count(), 1);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[8].name);
    answer(5, false);
    EXPECT_EQ(game.said, (Lines{shown("おいおい、冗談はよすんだな"_sj), shown("【"_sj + itemTable[8].name + "】を入手した"_sj),
                                shown("オーケイそーゆー日もあるさ"_sj)}));
    EXPECT_TRUE(playButtons());
}

TEST_F(Questions, TheGuardianFightsWhateverTheAnswer)
{
    for (bool yes : {true, false}) {
        guardianBattle = inBattle = 0;
        f.mid_p->FileName.clear();
        answer(7, yes);
        EXPECT_EQ(guardianBattle, 1);
        EXPECT_EQ(inBattle, 1);
        EXPECT_EQ(f.mid_p->FileName, game.dir.dat("thesword.mid"));
        EXPECT_TRUE(visible(f.battle_b));
        EXPECT_FALSE(visible(f.walk_b));
    }
    EXPECT_EQ(game.said, said({"アハハ、やっぱりな", "・・・・（泣いている）"}));
}

TEST_F(Questions, TheSleepSpaceHealsForItsPrice)
{
    offerCoins = -20;
    my.soul = 2;
    my.maxSoul = 14;
    my.deathEnergy = 40;
    my.coins = 19;
    answer(8, true);
    EXPECT_EQ(my.soul, 2);
    EXPECT_EQ(my.coins, 19);
    my.coins = 20;
    answer(8, true);
    EXPECT_EQ(my.soul, 14);
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.deathEnergy, 70);
    EXPECT_EQ(game.cues(2), (std::vector<std::string>{"6.wav", "6.wav", "life.wav"}));
    answer(8, false);
    EXPECT_EQ(game.said, said({"金貨が足りませんでした", "魂が回復した", "死のエネルギーが 30回復した", "........"}));
}

TEST_F(Questions, TheSavePointSavesOrGivesEnergy)
{
    my.coins = 77;
    answer(9, true);
    EXPECT_EQ(my.karma, 1);
    EXPECT_EQ(game.said, said({"はい、セーブ完了だよ"}));
    EXPECT_TRUE(playButtons());
    const tmy played = my;
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.coins, 77);

    my.deathEnergy = 5;
    answer(9, false);
    EXPECT_EQ(my.deathEnergy, 15);
    EXPECT_EQ(Lines(game.said.begin() + 1, game.said.end()),
              said({"あれ、大丈夫？これを上げる", "死のエネルギーが 10回復した", "気をつけてね"}));
}

TEST_F(Questions, AFailedSaveAtTheSavePointIsReportedAndPlayGoesOn)
{
    std::filesystem::create_directory(replaceTempPath(game.dir.dat("my.dat")));
    const std::string saved = readFile(game.dir.dat("my.dat"));
    answer(9, true);
    EXPECT_EQ(game.boxes, std::vector<std::string>{"ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(my.dat)"_sj});
    EXPECT_EQ(my.karma, 0);
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), saved);
    EXPECT_TRUE(playButtons());
}

TEST_F(Questions, TheTollIsPaidOrFought)
{
    offerCoins = -30;
    my.coins = 30;
    answer(10, true);
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(inBattle, 0);
    EXPECT_TRUE(playButtons());

    my.coins = 29;
    answer(10, true);
    EXPECT_EQ(my.coins, 29);
    EXPECT_EQ(inBattle, 1);
    EXPECT_EQ(guardianBattle, 0);
    EXPECT_FALSE(visible(f.walk_b));

    inBattle = 0;
    answer(10, false);
    EXPECT_EQ(inBattle, 1);
    EXPECT_FALSE(visible(f.walk_b));
    EXPECT_EQ(game.said, said({"ふふん、それでいい････", "足りないぞ････ぐわらあああ!!",
                               "オレ様を甘くみた罰を受けるがいい････!!"}));
}

TEST_F(Questions, APleaForHelpMovesKarma)
{
    answer(11, true);
    EXPECT_EQ(my.karma, 2);
    answer(11, false);
    EXPECT_EQ(my.karma, 0);
    EXPECT_EQ(game.said, said({"ありがと....ソウルクン....", "....ソウルクン、行かないで!!"}));
    EXPECT_EQ(game.cues(0), (std::vector<std::string>{"carma_up.wav", "carma_down.wav"}));
}

TEST_F(Questions, TheCreatureLeadsToTheMapOrGivesEnergy)
{
    my.deathEnergy = 3;
    answer(12, false);
    EXPECT_EQ(my.deathEnergy, 13);
    EXPECT_EQ(game.said, said({"大丈夫？これを上げる", "死のエネルギーが 10回復した"}));
    EXPECT_TRUE(playButtons());

    feedDraws({1, 1, 1});
    answer(12, true);
    EXPECT_EQ(my.currentArea, -1);
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b) || f.item_list->isEnabled());
    EXPECT_EQ(game.said.size(), 2u);
}

TEST_F(Questions, AnUnaskedQuestionOnlyGivesTheButtonsBack)
{
    const tmy before = my;
    for (int q : {6, 0, 13}) {
        answer(q, true);
        answer(q, false);
    }
    EXPECT_TRUE(game.said.empty());
    EXPECT_EQ(my.deathEnergy, before.deathEnergy);
    EXPECT_EQ(my.karma, before.karma);
    EXPECT_EQ(game.cues(2).size(), 6u);
    EXPECT_TRUE(playButtons());
}

} // namespace
