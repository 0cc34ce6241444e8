// The message line: typing with its blips, the click wait, the profile and
// item panels, and the ambush.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/message.h"

namespace {

class Message : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.start_box->hide();
        selectedItem = -1;   // as when play starts
    }
    // Presses the scene picture from the event loop, as the player would.
    void clickSoon()
    {
        QTimer::singleShot(0, &f, [this] { QTest::mouseClick(f.cg, Qt::LeftButton, {}, {10, 10}); });
    }
};

TEST_F(Message, AnEmptyLineTypesInOneStepWithOneBlip)
{
    setMessage("shadow");
    typeLine("");
    EXPECT_EQ(f.moji_l->caption(), "");
    EXPECT_EQ(f.moji_l2->caption(), "shadow");   // the shadow keeps the last set text
    EXPECT_EQ(game.cues(1), std::vector<std::string>{"pi.wav"});
}

TEST_F(Message, AnOddLineGetsABlankAndBlipsAtEverySixthByte)
{
    // What the line shows at each step (the window pumps once per step).
    std::vector<std::string> steps;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { steps.push_back(f.moji_l->caption()); });
    watch.start(0);
    typeLine("abcde");
    watch.stop();
    EXPECT_EQ(steps, (std::vector<std::string>{"", "a", "ab", "abc", "abcd", "abcde", "abcde "}));
    EXPECT_EQ(f.moji_l->caption(), "abcde ");
    EXPECT_EQ(game.cues(1), (std::vector<std::string>{"pi.wav", "pi.wav"}));   // steps 0 and 6
    typeLine("ミルヘの道を"_sj);   // 12 bytes: steps 0, 6, 12
    EXPECT_EQ(game.cues(1).size(), 5u);
}

TEST_F(Message, AClickWhileTypingIsStoredButTheNextWaitWantsANewOne)
{
    clickWait = 0;
    clickSoon();
    typeLine("クリックしても止まらない"_sj);
    EXPECT_EQ(f.moji_l->caption(), "クリックしても止まらない"_sj);
    EXPECT_EQ(clickWait, 1);
    EXPECT_EQ(game.cues(3), std::vector<std::string>{"click.wav"});

    clickSoon();
    waitForClick();
    EXPECT_EQ(clickWait, 1);
    EXPECT_EQ(game.cues(3).size(), 2u);   // the wait took a second click
    EXPECT_FALSE(visible(f.click_l));
    EXPECT_FALSE(visible(f.battle_b));    // hidden by the wait, not shown again
}

TEST_F(Message, AClickWhenNothingWaitsIsSilent)
{
    clickWait = 1;
    f.click_lMouseDown();
    EXPECT_EQ(clickWait, 1);
    EXPECT_TRUE(game.cues(3).empty());
}

TEST_F(Message, ClosingWhileTypingLeavesTheLineHalfTyped)
{
    f.click_l->hide();
    QTimer::singleShot(0, &f, [this] { f.close(); });
    typeLine("とちゅうで終わる長い長い一行"_sj);
    const std::string shown = f.moji_l->caption();
    EXPECT_LT(shown.size(), ("とちゅうで終わる長い長い一行"_sj).size());
    EXPECT_EQ(clickWait, -1);
    waitForClick();   // returns at once
    EXPECT_FALSE(visible(f.click_l));
    typeLine("もう何も起きない"_sj);
    EXPECT_EQ(f.moji_l->caption(), shown);
}

TEST_F(Message, ShowProfileFillsTheSideNoteWithFullHitPoints)
{
    enemyMaxHp = 12;
    enemyHp = 3;
    enemyItem = -1;
    showProfile("霊"_sj);
    EXPECT_EQ(enemyHp, 12);
    EXPECT_EQ(f.state_l3->caption(), "霊"_sj + "\r\rHP 12 / 12\r\r");
    EXPECT_TRUE(visible(f.state_l3));
    enemyItem = 3;
    showProfile("霊"_sj);
    EXPECT_EQ(f.state_l3->caption(), "霊\r\rHP 12 / 12\r\r所持:"_sj + itemTable[3].name);
}

TEST_F(Message, TheItemNoteCountsWhatRemainsAfterTheUse)
{
    selectedItem = 4;
    my.itemCount[4] = 1;
    showItemNote("使った"_sj);
    EXPECT_TRUE(visible(f.item_l_box));
    EXPECT_EQ(f.item_l->caption(), "- 使った -\r(残:0)"_sj);
    EXPECT_EQ(f.item_l->font().pixelSize(), 14);
}

TEST_F(Message, AppendingToAnEmptyLineStartsWithABreak)
{
    setMessage("");
    appendMessage("次"_sj);
    EXPECT_EQ(f.moji_l->caption(), "\r次"_sj);
    EXPECT_EQ(f.moji_l2->caption(), "\r次"_sj);
    appendMessage("また"_sj);
    EXPECT_EQ(f.moji_l->caption(), "\r次\rまた"_sj);
}

TEST_F(Message, AnAmbushTurnsThePresentedEnemyIntoAFight)
{
    portraitFile = "1.bmp";
    setMessage("まえの言葉"_sj);
    f.state_l3->show();
    ambush();
    EXPECT_EQ(inBattle, 1);
    EXPECT_TRUE(visible(f.battle_b));
    EXPECT_FALSE(visible(f.walk_b) || visible(f.item_b) || visible(f.state_l3));
    EXPECT_TRUE(f.item_list->isEnabled());
    EXPECT_EQ(f.moji_l->caption(), "襲ってきた!!"_sj);
    EXPECT_EQ(game.cues(3), std::vector<std::string>{"12.wav"});
    // The portrait ends exactly filling the scene.
    QImage portrait;
    ASSERT_TRUE(portrait.load(QString::fromStdString(game.dir.cg("1.bmp"))));
    EXPECT_EQ(f.cg->picture.pixelColor(150, 200), portrait.pixelColor(150, 200));
    EXPECT_EQ(f.cg->picture.pixelColor(5, 395), portrait.pixelColor(5, 395));
}

TEST_F(Message, NothingHappensOnceTheWindowIsClosing)
{
    clickWait = -1;
    portraitFile = "1.bmp";
    ambush();
    EXPECT_EQ(inBattle, 0);
    typeLine("x");
    EXPECT_EQ(game.cueCount(), 0u);
}

} // namespace
