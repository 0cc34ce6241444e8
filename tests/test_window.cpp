// The main window: every control at its place, in its drawing order, with
// its visibility at start; which presses reach the click handler; closing.
#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <QTimer>

#include "app/lifecycle.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "items/inventory.h"
#include "tests/support/game.h"
#include "ui/dialogs.h"
#include "ui/message.h"
#include "ui/play_buttons.h"

namespace {

struct Place {
    const char* name;
    int x, y, w, h;   // w < 0: sized by its text
    bool visible;
};

// Each parent's controls in drawing order (later ones above earlier ones).
const std::vector<std::pair<const char*, std::vector<Place>>> layout = {
    {"Form1",
     {{"cg", 0, 0, 300, 400, true},
      {"Image1", -1, 0, 300, -1, false},
      {"Image2", -1, 0, 300, 400, false},
      {"bak", -1, 0, 300, 400, false},
      {"bak2", -1, 0, -1, -1, false},
      {"state_l3", 180, 3, 117, 138, true},
      {"e_hp_l", 156, 321, 142, 32, true},
      {"moji_l2", 10, 282, 281, 77, true},
      {"moji_l", 8, 280, 285, 113, true},
      {"Label8", 302, 0, 119, 93, true},
      {"state_l", 302, 0, 119, 93, true},
      {"hp_l", 364, 61, 57, 8, true},
      {"Shape3", 302, 93, 119, 204, true},
      {"item_list", 305, 96, 113, 197, true},
      {"battle_b", 304, 298, 55, 50, true},
      {"battle_b2", 304, 298, 55, 50, true},
      {"item_b", 360, 298, 55, 50, true},
      {"sell_b", 360, 298, 55, 50, false},
      {"walk_b", 304, 350, 55, 50, true},
      {"click_l", 360, 350, 55, 50, false},
      {"kutu_b", 360, 350, 55, 50, false},
      {"state_l0", 2, 403, 420, 38, true},
      {"cry_l", 148, 405, 273, 8, true},
      {"Label6", 328, 415, 81, 13, true},
      {"Label5", 332, 415, 81, 13, true},
      {"Label4", 336, 415, 81, 13, true},
      {"Label7", 296, 415, 81, 13, true},
      {"carma_l", 340, 415, 81, 13, true},
      {"score_add_l", 2, 431, 420, 14, true},
      {"state_l2", 348, 432, 72, 13, true},
      {"nanido_l", 4, 444, 72, 13, true},
      {"coin_cg", -50, 496, 50, 50, true},
      {"koku_cg", -50, 496, 50, 50, true},
      {"doku_cg", -50, 496, 50, 50, true},
      {"toki_cg", -50, 496, 50, 50, true},
      {"name_box", 0, 167, 301, 70, false},
      {"select_box", 176, 167, 125, 61, false},
      {"lvup_box", 0, 92, 302, 61, false},
      {"item_l_box", 10, 93, 293, 69, false},
      {"store_box", 0, 204, 302, 125, false},
      {"map_box", 0, 0, 301, 401, false},
      {"start_box", 0, 0, 425, 465, true},
      {"Label1", 436, 220, -1, -1, true},
      {"Button1", 424, 84, 53, 33, true},
      {"Button3", 424, 120, 40, 17, true},
      {"Button4", 424, 136, 40, 17, true},
      {"Button7", 424, 152, 40, 17, true},
      {"BitBtn3", 424, 172, 73, 25, true}}},
    {"name_box",
     {{"Shape2", 0, 0, 301, 69, true}, {"name_l", 40, 24, 149, 22, true}, {"Button5", 192, 24, 61, 25, true}}},
    {"select_box",
     {{"Shape1", 0, 0, 125, 61, true}, {"BitBtn1", 20, 8, 85, 21, true}, {"BitBtn2", 20, 32, 85, 21, true}}},
    {"lvup_box",
     {{"Shape5", 0, 0, 302, 61, true},
      {"BitBtn6", 4, 8, 97, 21, true},
      {"BitBtn8", 104, 8, 93, 21, true},
      {"BitBtn7", 200, 8, 97, 21, true},
      {"BitBtn10", 4, 32, 117, 21, true},
      {"BitBtn9", 124, 32, 173, 21, true}}},
    {"item_l_box", {{"Shape4", 0, 0, 293, 69, true}, {"item_l", 4, 4, 285, 61, true}}},
    {"store_box",
     {{"store_shape", 0, 0, 302, 125, true},
      {"store_list", 5, 4, 116, 117, true},
      {"store_about_l", 124, 4, 173, 89, true},
      {"Button2", 124, 96, 93, 25, true},
      {"Button6", 216, 96, 81, 25, true}}},
    {"map_box",
     {{"map_cg", 0, 0, 301, 401, true},
      {"map_l", 0, 376, 301, 25, true},
      {"map_b0", 132, 356, 69, 17, true},
      {"shop_b", 128, 260, 73, 17, false},
      {"map_b2", 216, 276, 73, 17, true},
      {"map_b1", 224, 324, 73, 17, true},
      {"map_b4", 4, 228, 73, 17, true},
      {"map_b5", 8, 120, 73, 17, true},
      {"map_b6", 196, 64, 89, 17, true},
      {"map_b7", 108, 132, 89, 17, true},
      {"Button8", 4, 280, 93, 17, true},
      {"Button9", 4, 360, 93, 17, true},
      {"Button10", 200, 204, 93, 17, true},
      {"map_b8", 80, 72, 73, 17, false},
      {"map_b9", 104, 24, 73, 17, false},
      {"map_b12", 0, 92, 41, 17, true},
      {"map_b13", 104, 180, 61, 17, true}}},
    {"start_box",
     {{"Image6", 12, 16, 393, 425, true},
      {"miruhe_l", 152, 84, 120, 40, true},
      {"miruhe_l2", 160, 136, 108, 12, true},
      {"rank_l", 32, 180, 357, 173, true},
      {"Image4", 48, 408, 100, 50, true},
      {"Image3", 156, 408, 100, 50, true},
      {"rank_b", 264, 408, 100, 50, true},
      {"am_b", 352, 360, 35, 40, true},
      {"start_box2", 48, 360, 321, 101, false},
      {"am_box", 380, 448, 405, 455, false}}},
    {"start_box2",
     {{"Image10", 8, 4, 309, 93, true},
      {"Label2", 40, 15, -1, -1, true},
      {"Image7", 16, 40, 70, 40, true},
      {"Image8", 88, 40, 70, 40, true},
      {"Image9", 160, 40, 70, 40, true},
      {"ex_b", 232, 40, 70, 40, true},
      {"easy_clear_l", 32, 80, -1, -1, false},
      {"nomal_clear_l", 100, 80, -1, -1, false},
      {"hard_clear_l", 172, 80, -1, -1, false},
      {"ex_clear_l", 240, 80, -1, -1, false},
      {"Label3", 248, 15, -1, -1, true}}},
    {"am_box",
     {{"Image5", 8, 12, 393, 425, true},
      {"Label9", 48, 40, -1, -1, true},
      {"Label10", 48, 56, -1, -1, true},
      {"Label11", 48, 72, -1, -1, true},
      {"Label12", 48, 88, -1, -1, true},
      {"Label13", 176, 316, -1, -1, true},
      {"Label14", 316, 399, -1, -1, true},
      {"music_list", 36, 116, 133, 213, true},
      {"music_l", 172, 116, 177, 185, true},
      {"zukan_box", 36, 336, 273, 81, true}}},
    {"zukan_box",
     {{"Label15", 4, 4, -1, -1, true}, {"zukan_l", 4, 20, 261, 57, true}, {"zukan_v", 200, 4, 65, 27, true}}},
};

TEST(Window, EveryControlSitsAtItsPlaceInItsDrawingOrder)
{
    TestGame game;
    EXPECT_EQ(game.form().size(), QSize(423, 461));
    for (const auto& [parentName, places] : layout) {
        QWidget* parent = parentName == std::string("Form1") ? &game.form()
                                                             : game.form().findChild<QWidget*>(parentName);
        ASSERT_TRUE(parent) << parentName;
        std::vector<std::string> order;
        for (QObject* child : parent->children())
            if (child->isWidgetType())
                order.push_back(child->objectName().toStdString());
        std::vector<std::string> expected;
        for (const Place& p : places) {
            expected.push_back(p.name);
            auto* w = parent->findChild<QWidget*>(p.name, Qt::FindDirectChildrenOnly);
            ASSERT_TRUE(w) << p.name;
            if (p.x >= 0 || p.x == -50) {
                EXPECT_EQ(w->pos(), QPoint(p.x, p.y)) << p.name;
            }
            if (p.w >= 0) {
                EXPECT_EQ(w->width(), p.w) << p.name;
            }
            if (p.h >= 0) {
                EXPECT_EQ(w->height(), p.h) << p.name;
            }
            EXPECT_EQ(visible(w), p.visible) << p.name;
        }
        EXPECT_EQ(order, expected) << parentName;
    }
    // The off-screen pictures lie outside the window, right of it.
    EXPECT_GE(game.form().Image1->x(), 423);
}

TEST(Window, ColoursAndTextsOfTheStrip)
{
    TestGame game;
    TForm1& f = game.form();
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(f.Label7->caption(), "ｶﾙﾏ >"_sj);
    EXPECT_EQ(f.Label6->caption(), "Label5");
    EXPECT_EQ(f.Label5->caption(), "Label5");
    EXPECT_EQ(f.Label4->caption(), "");
    EXPECT_EQ(f.miruhe_l->caption(), "ミルヘ"_sj);
    EXPECT_EQ(f.miruhe_l2->caption(), "くいるもす"_sj);
    EXPECT_EQ(f.name_l->maxLength(), 16);
    EXPECT_EQ(f.zukan_v->minimum(), 0);
    EXPECT_EQ(f.zukan_v->maximum(), 254);
    EXPECT_EQ(f.Timer1->interval(), 10);
    EXPECT_EQ(f.Timer3->interval(), 1000);
    EXPECT_EQ(f.Timer4->interval(), 100);
    EXPECT_TRUE(f.Timer1->isActive() && f.Timer3->isActive() && f.Timer4->isActive());
    EXPECT_FALSE(f.Timer2->isActive());
    EXPECT_EQ(f.Timer1->timerType(), Qt::PreciseTimer);
    // The off-screen buffers hold the black picture, sized as start-up sets them.
    EXPECT_EQ(f.bak->size(), QSize(300, 400));
    EXPECT_EQ(f.Image2->size(), QSize(300, 400));
    EXPECT_EQ(f.Image1->width(), 300);
    EXPECT_EQ(f.bak->picture.pixelColor(10, 10), QColor(Qt::black));
}

// A press at a point of a control, delivered to the window as the player's
// press is (the window finds the control under it): true when it reached
// the shared click handler.
bool pressReachesClickHandler(TForm1& f, QWidget* w, QPoint at = {2, 2}, Qt::MouseButton button = Qt::LeftButton)
{
    clickWait = 0;
    const QPoint p = w->mapTo(&f, at);
    QTest::mousePress(f.windowHandle(), button, {}, p);
    QTest::mouseRelease(f.windowHandle(), button, {}, p);
    return clickWait == 1;
}

TEST(Window, OnlyTheBoundControlsAndTheBareWindowAnswerAClick)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    f.click_l->show();   // as during a click wait
    for (QWidget* w : std::initializer_list<QWidget*>{f.cg, f.moji_l, f.e_hp_l, f.state_l3, f.state_l2, f.nanido_l, f.click_l})
        EXPECT_TRUE(pressReachesClickHandler(f, w)) << w->objectName().toStdString();
    // The window itself, where no control lies (right of the karma field).
    EXPECT_TRUE(pressReachesClickHandler(f, &f, {422, 420}));
    for (QWidget* w : std::initializer_list<QWidget*>{f.Label8, f.state_l, f.hp_l, f.Shape3, f.state_l0, f.carma_l,
                                                      f.score_add_l, f.Label7, f.cry_l})
        EXPECT_FALSE(pressReachesClickHandler(f, w)) << w->objectName().toStdString();
    // Panels swallow presses too.
    f.start_box->show();
    EXPECT_FALSE(pressReachesClickHandler(f, f.start_box, {5, 5}));
    EXPECT_FALSE(pressReachesClickHandler(f, f.rank_l));
}

// Mouse-down handlers answer every button; click handlers, and the choice
// of a list's row, only the left one.
TEST(Window, EveryButtonPressesDownButOnlyTheLeftClicks)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        EXPECT_TRUE(pressReachesClickHandler(f, f.cg, {5, 5}, b));
        EXPECT_TRUE(pressReachesClickHandler(f, f.moji_l, {2, 2}, b));
        EXPECT_TRUE(pressReachesClickHandler(f, &f, {422, 420}, b));
    }
    // The battle button is a click: the right button does not search.
    emptySearchCount = 0;
    pressReachesClickHandler(f, f.battle_b, {10, 10}, Qt::RightButton);
    EXPECT_EQ(emptySearchCount, 0);
    pressReachesClickHandler(f, f.battle_b, {10, 10});
    EXPECT_EQ(emptySearchCount, 1);
    // A right press on a row runs the list's handler but leaves the row chosen.
    my.itemCount[1] = my.itemCount[2] = 1;
    rebuildItemList();
    const QRect second = f.item_list->visualItemRect(f.item_list->item(1));
    pressReachesClickHandler(f, f.item_list->viewport(), f.item_list->visualItemRect(f.item_list->item(0)).center());
    ASSERT_EQ(selectedItem, 1);
    pressReachesClickHandler(f, f.item_list->viewport(), second.center(), Qt::RightButton);
    EXPECT_EQ(f.item_list->currentRow(), 0);
    EXPECT_EQ(selectedItem, 1);
    EXPECT_EQ(game.cues(1).size(), 4u);   // the list's sound on each press and release

    // A control no longer on screen takes no input: the encyclopedia's
    // number, left with the focus when the title closed, ignores the keys
    // of play.
    f.start_box->show();
    f.am_bMouseDown();
    QTest::mouseClick(f.zukan_v, Qt::LeftButton, {}, {10, 10});
    ASSERT_TRUE(f.zukan_v->hasFocus());
    f.start_box->hide();
    const int value = f.zukan_v->value();
    const size_t cues = game.cueCount();
    QTest::keyClick(f.windowHandle(), Qt::Key_Up);
    EXPECT_EQ(f.zukan_v->value(), value);
    EXPECT_EQ(game.cueCount(), cues);
}

// A scene runs alone: inside its waits a click answers the wait, but no
// other scene starts, whatever is pressed. A number out of its table ends
// the handler with a box instead of reading past the table.
TEST(Window, AScenesWaitsLetOnlyTheClickThrough)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    my.currentArea = 1;
    my.deathEnergy = 50;
    my.soul = my.maxSoul = 10;
    const int refused = guardRecord().refused;
    int distanceInWait = -1;
    QTimer::singleShot(0, [&] {
        f.walk_b->show();   // as a fault in a scene might leave it
        QTest::mouseClick(f.walk_b, Qt::LeftButton);
        distanceInWait = my.distance;
        QTest::mouseClick(f.cg, Qt::LeftButton);
    });
    guarded([] { waitForClick(); }, HandlerKind::Scene);
    EXPECT_EQ(distanceInWait, 0);
    EXPECT_EQ(guardRecord().refused, refused + 1);
    EXPECT_EQ(clickWait, 1);

    my.currentArea = 120;   // beyond the area table
    const int abandoned = guardRecord().abandoned;
    QTest::mouseClick(f.walk_b, Qt::LeftButton);
    EXPECT_EQ(guardRecord().abandoned, abandoned + 1);
    ASSERT_FALSE(game.boxes.empty());
    EXPECT_NE(game.boxes.back().find("120"), std::string::npos);
    EXPECT_EQ(my.distance, 1);   // the step had begun; nothing after the bad number happened
}

TEST(Window, AnUpperPictureTakesTheMouseFromTheOneBelowIt)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    f.click_l->show();
    f.kutu_b->show();
    // kutu_b covers click_l: the press goes to kutu_b, not to the click handler.
    EXPECT_FALSE(pressReachesClickHandler(f, &f, {380, 370}));
    EXPECT_TRUE(visible(f.click_l));
    f.kutu_b->hide();
    EXPECT_TRUE(pressReachesClickHandler(f, &f, {380, 370}));
}

TEST(Window, TheNameEditRefusesCharactersWithoutACp932Form)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    f.name_box->show();
    // Text arrives as the input method commits it.
    const auto type = [&](const char* utf8) {
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(utf8));
        QApplication::sendEvent(f.name_l, &commit);
    };
    type("ｋ魂");
    type("😀");   // no CP932 form: refused
    type("한");
    EXPECT_EQ(f.name_l->textCp932(), "ｋ魂"_sj);
    type("あいうえおかきくけこさしすせそたち");
    EXPECT_EQ(f.name_l->text().size(), 16);   // sixteen characters, not bytes
}

TEST(Window, PlayButtonsSwitchOnAndOff)
{
    TestGame game;
    TForm1& f = game.form();
    f.kutu_b->show();
    hidePlayButtons();
    EXPECT_FALSE(visible(f.walk_b) || visible(f.battle_b) || visible(f.kutu_b) || visible(f.item_b));
    EXPECT_FALSE(f.item_list->isEnabled());
    showPlayButtons();
    EXPECT_TRUE(visible(f.walk_b) && visible(f.battle_b));
    EXPECT_FALSE(visible(f.kutu_b) || visible(f.item_b));
    EXPECT_TRUE(f.item_list->isEnabled());
}

TEST(Farewell, NamesTheSoulAndPicksTheRemarkByConsciousness)
{
    TestGame game;
    my.playerName.clear();
    my.consciousness = 0;
    const std::string zero = farewellText();
    EXPECT_EQ(zero.substr(0, ("きみは、"_sj + "\r").size()), "きみは、"_sj + "\r");
    my.consciousness = 10;
    EXPECT_EQ(farewellText(), zero);
    my.playerName = "ｋ"_sj;
    my.consciousness = 13;
    const std::string three = farewellText();
    EXPECT_EQ(three.substr(0, ("ｋは、"_sj + "\r").size()), "ｋは、"_sj + "\r");
    my.consciousness = 3;
    EXPECT_EQ(farewellText(), three);
    EXPECT_NE(three.substr(three.find('\r')), zero.substr(zero.find('\r')));
    my.consciousness = -3;
    EXPECT_EQ(farewellText(), "ｋは、"_sj + "\r");
}

TEST(Closing, ShowsTheFarewellAndReleasesAClickWait)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    my.playerName = "ﾐﾙﾍ"_sj;
    bool returned = false;
    // Close the window while a scene waits for a click.
    QTimer::singleShot(0, &f, [&] { f.close(); });
    waitForClick();
    returned = true;
    EXPECT_TRUE(returned);
    EXPECT_EQ(clickWait, -1);
    ASSERT_EQ(game.boxes.size(), 1u);
    EXPECT_EQ(game.boxes[0].substr(0, 8), "ﾐﾙﾍは、"_sj + "\r");
    EXPECT_FALSE(visible(f.click_l));
    // Every later wait returns at once, without showing the sign.
    waitForClick();
    EXPECT_FALSE(visible(f.click_l));
    EXPECT_FALSE(visible(f.moji_l) || visible(f.moji_l2) || visible(f.e_hp_l) || visible(f.state_l3));
}

TEST(Closing, AFullResetIsNotSavedByClosing)
{
    TestGame game;
    const std::string before = readFile(game.dir.dat("my.dat"));
    my.crestSoul = 1;
    my.tryCount = 5;
    game.form().BitBtn3Click();
    EXPECT_EQ(my.crestSoul, 0);
    EXPECT_EQ(my.tryCount, 0);
    game.form().close();
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), before);
}

TEST(StartUp, AMissingDataFileIsShownOverTheWindowLaidOutAsEver)
{
    TestGame game(VirtualAudio::Manual, [](const TempAppDir& dir) { std::filesystem::remove(dir.dat("map.dat")); });
    TForm1& form = game.form();
    EXPECT_TRUE(game.boxes.empty());   // not on a bare screen: the box waits for the window
    QCoreApplication::processEvents();
    ASSERT_EQ(game.boxes.size(), 1u);
    EXPECT_EQ(game.boxes[0], "ﾌｧｲﾙが見つかりません\r(map.dat)"_sj);
    EXPECT_EQ(form.palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(form.coin_cg->x(), -50);   // parked
    EXPECT_FALSE(form.bak->picture.isNull());
}

} // namespace
