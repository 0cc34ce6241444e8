// The title screen: its periodic refresh and animation, continuing, new
// runs with the prologue, and the passages into and out of an area.
#include <gtest/gtest.h>

#include <QTimer>
#include <filesystem>

#include "core/clock.h"
#include "core/datafile.h"
#include "core/ranking.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "items/inventory.h"
#include "tests/support/game.h"
#include "ui/dialogs.h"
#include "ui/music.h"
#include "ui/transitions.h"

namespace {

class Title : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();   // the refresh runs when the test says
        f.Timer4->stop();
        clickWait = 1;      // no click awaited before the first line
    }
    std::string save() const { return readFile(game.dir.dat("my.dat")); }
    std::string recordFile() const { return readFile(game.dir.path() + "/記録.txt"); }
    // Writes the state as the save to continue from.
    void saveAs(int area, int prologue)
    {
        my.currentArea = area;
        my.eventFlag[13] = prologue;
        saveGame();
    }
    QColor scene(int x, int y) const { return f.cg->picture.pixelColor(x, y); }
    bool playButtons() const { return visible(f.walk_b) && visible(f.battle_b) && f.item_list->isEnabled(); }
};

// A tick with nothing new since the last one lets Timer1 rest until the
// title's next frame with text; anything that happens wakes it, and the
// frames it rested through are counted on.
TEST_F(Title, Timer1RestsWhileNothingChangesAndTheAnimationKeepsItsPace)
{
    titleFrame = 0;
    noteActivity();
    f.Timer1Due();   // something happened: an ordinary tick
    EXPECT_FALSE(f.timer1Resting);
    EXPECT_EQ(titleFrame, 1);
    f.Timer1Due();   // nothing since: rest until frame 20, the first with text
    EXPECT_TRUE(f.timer1Resting);
    EXPECT_EQ(titleFrame, 2);
    EXPECT_EQ(f.Timer1->interval(), 180);
    clockAdvance(180);
    f.Timer1Due();
    EXPECT_EQ(titleFrame, 20);
    EXPECT_EQ(f.miruhe_l->caption(), "　ルヘ"_sj);
    EXPECT_FALSE(f.timer1Resting);
    EXPECT_EQ(f.Timer1->interval(), 10);

    f.start_box->hide();   // away from the title it rests a second at a time
    f.Timer1Due();
    EXPECT_EQ(f.Timer1->interval(), 1000);
    guarded([] {}, HandlerKind::Free);   // a handler wakes it
    EXPECT_EQ(f.Timer1->interval(), 10);
    f.Timer1->stop();
    f.Timer1Due();
    f.Timer1->stop();   // a stopped timer is not woken
    noteActivity();
    EXPECT_FALSE(f.Timer1->isActive());
}

TEST_F(Title, TheMapButtonsFollowTheConquests)
{
    auto shown = [this] {
        std::string s;
        for (TButton* b : {f.map_b5, f.map_b6, f.map_b7, f.map_b4, f.map_b1, f.map_b2, f.map_b12, f.map_b9})
            s += visible(b) ? '1' : '0';
        return s;
    };
    f.start_box->hide();   // the rules hold away from the title too
    my.areaClears.fill(0);
    f.Timer1Timer();
    EXPECT_EQ(shown(), "00011100");
    my.areaClears[2] = 1;
    my.areaClears[6] = 1;
    my.areaClears[7] = 1;
    my.areaClears[5] = 1;
    f.Timer1Timer();
    EXPECT_EQ(shown(), "11111110");
    my.areaClears[2] = 3;
    my.areaClears[4] = 3;
    my.areaClears[1] = 3;
    my.areaClears[6] = 2;
    f.Timer1Timer();
    EXPECT_EQ(shown(), "11100010");   // area 7 conquered once only: no 管理者達の間 yet
    my.areaClears[7] = 2;
    f.Timer1Timer();
    EXPECT_EQ(shown(), "11100011");
    my.areaClears[5] = 0;
    f.Timer1Timer();
    EXPECT_EQ(shown(), "11100000");
}

TEST_F(Title, EachBadgeFollowsItsOwnCrest)
{
    my.crestUnderworld = my.crestSoul = my.crestRedSword = my.crestAdmins = 0;
    my.tryCount = 4;
    f.Timer1Timer();
    for (QWidget* w : {(QWidget*)f.ex_b, (QWidget*)f.easy_clear_l, (QWidget*)f.nomal_clear_l,
                       (QWidget*)f.hard_clear_l, (QWidget*)f.ex_clear_l, (QWidget*)f.am_b})
        EXPECT_FALSE(visible(w)) << w->objectName().toStdString();
    my.crestSoul = 1;
    my.tryCount = 5;
    f.Timer1Timer();
    EXPECT_TRUE(visible(f.nomal_clear_l) && visible(f.am_b));
    EXPECT_FALSE(visible(f.ex_b) || visible(f.easy_clear_l) || visible(f.hard_clear_l) || visible(f.ex_clear_l));
    my.crestSoul = 0;
    my.crestRedSword = 1;
    f.Timer1Timer();
    EXPECT_TRUE(visible(f.ex_b) && visible(f.hard_clear_l));
    EXPECT_FALSE(visible(f.nomal_clear_l) || visible(f.easy_clear_l) || visible(f.ex_clear_l));
    my.crestRedSword = 0;
    my.crestUnderworld = 2;
    my.crestAdmins = 1;
    f.Timer1Timer();
    EXPECT_TRUE(visible(f.easy_clear_l) && visible(f.ex_clear_l));
    EXPECT_FALSE(visible(f.ex_b) || visible(f.hard_clear_l));
}

TEST_F(Title, TheAnimationRestsOnTheFullTextBetweenFlickers)
{
    titleFrame = 99;
    f.miruhe_l->setCaption("x");
    f.miruhe_l2->setCaption("y");
    for (int i = 0; i <= 19; ++i) {   // wraps to 0, then frames 0 to 19
        f.Timer1Timer();
        EXPECT_EQ(titleFrame, i);
    }
    EXPECT_EQ(f.miruhe_l->caption(), "x");
    EXPECT_EQ(f.miruhe_l2->caption(), "y");

    std::vector<std::string> title(100), maker(100);
    for (int frame = 20; frame <= 99; ++frame) {
        f.Timer1Timer();
        title[frame] = f.miruhe_l->caption();
        maker[frame] = f.miruhe_l2->caption();
    }
    EXPECT_EQ(title[20], "　ルヘ"_sj);
    EXPECT_EQ(title[23], "/-/:[/");
    EXPECT_EQ(title[27], "//ルヘ"_sj);
    EXPECT_EQ(title[29], "　　　"_sj);
    EXPECT_EQ(title[70], "　ル　"_sj);
    EXPECT_EQ(title[76], "■■■"_sj);
    EXPECT_EQ(title[79], "::::::");
    for (int frame : {30, 31, 50, 69, 80, 99})
        EXPECT_EQ(title[frame], "ミルヘ"_sj) << frame;
    for (int frame = 20; frame <= 80; ++frame)
        EXPECT_EQ(title[frame].size(), 6u) << frame;   // three full-width characters wide

    EXPECT_EQ(maker[39], "y");
    EXPECT_EQ(maker[48], "くいるもす"_sj);
    for (int frame = 40; frame <= 50; ++frame) {
        EXPECT_EQ(maker[frame].size(), 10u) << frame;
        if (frame != 48 && frame != 50) {
            EXPECT_NE(maker[frame], "くいるもす"_sj) << frame;
        }
    }
    EXPECT_EQ(maker[43], "　　　　　"_sj);
    EXPECT_EQ(maker[99], "くいるもす"_sj);

    f.Timer1Timer();
    EXPECT_EQ(titleFrame, 0);
    f.start_box->hide();   // away from the title the animation stands still
    f.Timer1Timer();
    EXPECT_EQ(titleFrame, 0);
}

TEST_F(Title, ContinuingAMapSaveShowsTheMapAtOnce)
{
    my.deathEnergy = 70;
    saveAs(-1, 1);
    my = tmy{};
    selectedItem = 5;
    foundOrb = foundTree = 1;
    feedDraws({4});
    f.y_bClick();
    EXPECT_EQ(f.moji_l2->caption(), "霊が...."_sj);
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"5.wav"});
    EXPECT_TRUE(game.cues(3).empty());   // no passage into an area
    EXPECT_EQ(scene(150, 200), QColor(Qt::white));
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_FALSE(visible(f.start_box));
    EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b) || visible(f.item_b));
    EXPECT_EQ(my.currentArea, -1);
    EXPECT_EQ(my.deathEnergy, 70);
    EXPECT_EQ(selectedItem, -1);
    EXPECT_EQ(foundOrb + foundTree, 0);
}

TEST_F(Title, ContinuingAnAreaSaveEntersItForFree)
{
    my.deathEnergy = 70;
    my.itemCount.fill(0);
    my.itemCount[2] = 1;
    my.itemCount[0] = 3;
    saveAs(2, 1);
    const std::string saved = save();
    my.itemCount[2] = 0;
    f.state_l3->setCaption("old");
    f.item_l_box->show();
    foundJewel = foundCorpse = foundObject = 1;
    bakIndex = 3;
    feedDraws({0});
    f.y_bClick();
    EXPECT_EQ(my.currentArea, 2);
    EXPECT_EQ(my.deathEnergy, 70);   // paid on the way in, given back
    EXPECT_EQ(game.cues(3), std::vector<std::string>{"13.wav"});
    EXPECT_TRUE(playButtons());
    EXPECT_FALSE(visible(f.start_box) || visible(f.map_box) || visible(f.item_l_box));
    EXPECT_EQ(f.moji_l2->caption(), "");   // the whisper is gone with the passage
    EXPECT_EQ(f.state_l3->caption(), "");
    EXPECT_EQ(foundJewel + foundCorpse + foundObject, 0);
    EXPECT_EQ(bakIndex, 1);
    ASSERT_EQ(f.item_list->count(), 2);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[0].name);
    EXPECT_EQ(f.item_list->itemText(1), itemTable[2].name);
    EXPECT_EQ(my.tryCount, 0);
    EXPECT_EQ(save(), saved);
}

// A save may hold any 32-bit number: the run begun from a try count at
// its limit stays at the limit instead of running round to the other end.
TEST_F(Title, ATryCountAtItsLimitStaysThere)
{
    std::string bytes = save();
    size_t line8 = 0;
    for (int i = 1; i < 8; ++i)
        line8 = bytes.find("\r\n", line8) + 2;
    bytes.replace(line8, bytes.find("\r\n", line8) - line8, "2147483647");
    writeFile(game.dir.dat("my.dat"), bytes);
    game.clickThrough();
    f.y_bClick();
    f.Timer1Timer();
    EXPECT_EQ(my.tryCount, INT32_MAX);
    EXPECT_TRUE(f.windowTitle().endsWith("Try:2147483647")) << f.windowTitle().toStdString();
}

TEST_F(Title, AShippedSavePlaysThePrologueWithoutSaving)
{
    const std::string shipped = save();
    ASSERT_EQ(my.eventFlag[13], 0);
    const int tries = my.tryCount;
    game.clickThrough();
    f.y_bClick();
    EXPECT_EQ(my.eventFlag[13], 1);
    EXPECT_EQ(my.tryCount, tries + 1);
    ASSERT_EQ(game.said.size(), 11u);
    EXPECT_EQ(game.said[0].substr(0, 4), "????");
    EXPECT_TRUE(playButtons());
    EXPECT_EQ(save(), shipped);
    EXPECT_EQ(recordFile(), "");
}

TEST_F(Title, ARefusedNewGameChangesNothingOnDisk)
{
    const std::string saved = save();
    my.difficulty = 1;
    f.Button4Click();
    EXPECT_TRUE(visible(f.start_box2));
    game.answers = {false};
    f.Image9Click();
    EXPECT_EQ(game.boxes, std::vector<std::string>{"すべてを初期化するよ？いいの？"_sj});
    EXPECT_EQ(game.cues(3), (std::vector<std::string>{"b.wav", "b.wav"}));
    EXPECT_EQ(game.cues(1), std::vector<std::string>{"no.wav"});
    EXPECT_EQ(save(), saved);
    EXPECT_EQ(recordFile(), "");
    EXPECT_EQ(my.difficulty, 2);   // in memory only
    EXPECT_TRUE(visible(f.start_box) && visible(f.start_box2));
}

TEST_F(Title, ANewRunStartsInAreaZeroAndSavesAfterThePrologue)
{
    my.itemCount[4] = 2;
    my.score = 900;
    my.coins = 50;
    my.crestSoul = 1;
    my.tryCount = 6;
    my.eventFlag[13] = 1;
    my.currentArea = -1;
    areaTable[0].entryCost = 7;
    foundTree = 1;
    game.answers = {true};
    game.clickThrough();
    f.Button4Click();
    f.Image8Click();
    EXPECT_EQ(game.boxes, (std::vector<std::string>{"すべてを初期化するよ？いいの？"_sj, "初期化してしまったよ"_sj}));
    EXPECT_EQ(game.said.size(), 11u);
    EXPECT_FALSE(visible(f.start_box) || visible(f.start_box2) || visible(f.map_box));
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));
    EXPECT_FALSE(f.item_list->isEnabled());
    EXPECT_EQ(f.item_list->count(), 0);
    EXPECT_EQ(foundTree, 0);
    EXPECT_EQ(my.currentArea, 0);
    EXPECT_EQ(my.deathEnergy, 93);
    EXPECT_EQ(game.cues(0), (std::vector<std::string>{"4.wav", "5.wav"}));

    const tmy played = my;
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.tryCount, 7);
    EXPECT_EQ(my.eventFlag[13], 1);
    EXPECT_EQ(my.deathEnergy, 93);
    EXPECT_EQ(my.score, 0);
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.itemCount[4], 0);
    EXPECT_EQ(my.crestSoul, 1);
    EXPECT_EQ(my.difficulty, 1);
    EXPECT_EQ(my.playerName, "");
    EXPECT_EQ(my.rankScore, played.rankScore);
    EXPECT_NE(recordFile().find("トライ回数：7回"_sj), std::string::npos);
}

TEST_F(Title, TheDifficultySetsTheSoulsSize)
{
    const struct {
        void (TForm1::*button)();
        int difficulty;
        const char* soul;
    } runs[] = {
        {&TForm1::Image7Click, 0, "  魂：10/15"},
        {&TForm1::Image8Click, 1, "  魂：10/10"},
        {&TForm1::Image9Click, 2, "  魂：8/8"},
    };
    game.clickThrough();
    for (const auto& run : runs) {
        game.answers = {true};
        (f.*run.button)();
        f.Timer1Timer();
        EXPECT_EQ(my.difficulty, run.difficulty);
        EXPECT_NE(f.state_l->caption().find(toCp932(run.soul).value()), std::string::npos) << run.soul;
    }
    // EXTREAM hides the numbers: the soul itself is lowered to 8 of 8.
    game.answers = {true};
    f.ex_bClick();
    f.Timer1Timer();
    EXPECT_EQ(my.difficulty, 3);
    EXPECT_EQ(my.maxSoul, 8);
    EXPECT_EQ(my.soul, 8);
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.maxSoul, 8);   // the save after the prologue holds the adjusted size
}

TEST_F(Title, TheBackLinkClosesBothPanels)
{
    f.Button4Click();
    f.am_box->show();
    f.Label3MouseDown();
    EXPECT_FALSE(visible(f.start_box2) || visible(f.am_box));
    EXPECT_TRUE(visible(f.start_box));
    EXPECT_EQ(game.cues(3), std::vector<std::string>{"b.wav"});
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"b.wav"});
}

TEST_F(Title, EnteringAnAreaRevealsItAndPaysItsCost)
{
    f.start_box->hide();
    f.map_box->show();
    f.moji_l->hide();
    f.moji_l->setCaption("old");
    my.deathEnergy = 10;
    enterArea(5);
    EXPECT_EQ(my.currentArea, 5);
    EXPECT_EQ(my.deathEnergy, -10);   // may go below zero here
    EXPECT_FALSE(visible(f.map_box));
    EXPECT_TRUE(visible(f.moji_l) && visible(f.moji_l2) && visible(f.e_hp_l));
    EXPECT_EQ(f.moji_l->caption(), "");
    EXPECT_TRUE(playButtons());
    EXPECT_EQ(game.cues(3), std::vector<std::string>{"13.wav"});
    QImage picture;
    ASSERT_TRUE(picture.load(QString::fromStdString(game.dir.cg("bak3.bmp"))));
    EXPECT_EQ(scene(150, 200), picture.pixelColor(150, 200));
    EXPECT_EQ(scene(3, 398), picture.pixelColor(3, 398));

    enterArea(120);   // an area the table does not have costs nothing
    EXPECT_EQ(my.deathEnergy, -10);
}

TEST_F(Title, LeavingForTheMapRerollsTheChanceButtons)
{
    const struct {
        int area;
        std::initializer_list<int> draws;
        bool shop, usakuma, cave;
    } exits[] = {
        {3, {0, 0, 0}, false, true, true},
        {8, {0, 0, 0}, true, false, true},
        {13, {0, 0, 0}, true, true, false},
        {2, {1, 3, 9}, false, false, false},
    };
    f.start_box->hide();
    for (const auto& exit : exits) {
        my.currentArea = exit.area;
        feedDraws(exit.draws);
        returnToMap();
        EXPECT_EQ(visible(f.shop_b), exit.shop) << exit.area;
        EXPECT_EQ(visible(f.map_b8), exit.usakuma) << exit.area;
        EXPECT_EQ(visible(f.map_b13), exit.cave) << exit.area;
        EXPECT_EQ(pendingDraws(), 0);
        EXPECT_EQ(my.currentArea, -1);
    }
}

TEST_F(Title, LeavingForTheMapClearsTheArea)
{
    f.start_box->hide();
    enterArea(1);
    my.distance = 12;
    enemyHp = enemyMaxHp = 9;
    f.state_l3->show();
    feedDraws({1, 1, 1});
    returnToMap();
    EXPECT_EQ(my.distance, 0);
    EXPECT_EQ(enemyHp + enemyMaxHp, 0);
    EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b) || f.item_list->isEnabled());
    EXPECT_FALSE(visible(f.e_hp_l) || visible(f.moji_l) || visible(f.moji_l2) || visible(f.state_l3));
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_EQ(scene(150, 200), QColor(128, 255, 255));   // the last of the fills
    EXPECT_EQ(f.mid_p->FileName, game.dir.dat("freesoul.mid"));
    EXPECT_EQ(game.cues(3), (std::vector<std::string>{"13.wav", "14.wav"}));
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"1.wav"});
}

TEST_F(Title, ClosingInAnAreaClosesTheSceneFirst)
{
    f.start_box->hide();
    enterArea(0);
    ASSERT_NE(scene(150, 200), QColor(Qt::black));
    f.close();
    EXPECT_EQ(scene(150, 200), QColor(Qt::black));
    EXPECT_EQ(scene(150, 10), QColor(Qt::black));
    EXPECT_EQ(game.boxes.size(), 1u);   // the farewell
}

TEST_F(Title, ClosingOnTheMapLeavesTheSceneAsItIs)
{
    f.start_box->hide();
    my.currentArea = -1;
    f.cg->canvas.fillAll(Qt::white);
    f.close();
    EXPECT_EQ(scene(150, 200), QColor(Qt::white));
    EXPECT_EQ(game.boxes.size(), 1u);
}

TEST_F(Title, TheItemListShowsWhatIsHeldInIdOrder)
{
    my.itemCount.fill(0);
    my.itemCount[9] = 1;
    my.itemCount[1] = 4;
    my.itemCount[5] = -2;
    my.itemCount[7] = 0;
    f.item_list->addItem("stale");
    f.item_list->setCurrentRow(0);
    selectedItem = 3;
    rebuildItemList();
    ASSERT_EQ(f.item_list->count(), 2);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[1].name);
    EXPECT_EQ(f.item_list->itemText(1), itemTable[9].name);
    EXPECT_EQ(f.item_list->currentRow(), -1);
    EXPECT_EQ(selectedItem, -1);
}

TEST_F(Title, AFailedSaveAfterThePrologueStillLetsTheSoulWalk)
{
    game.answers = {true};
    game.clickThrough();
    // The new game's first save goes through; once the prologue runs, the
    // record file can no longer be replaced.
    QTimer::singleShot(0, &f, [this] { std::filesystem::create_directory(replaceTempPath(recordFilePath())); });
    f.Image8Click();
    ASSERT_EQ(game.boxes.size(), 3u);
    EXPECT_EQ(game.boxes[1], "初期化してしまったよ"_sj);
    EXPECT_EQ(game.boxes[2], "ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(記録.txt)"_sj);
    EXPECT_EQ(game.said.size(), 11u);
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));
}

} // namespace
