// The keyboard: a key clicks what the mouse could click, and nothing the
// mouse could not; the name edit keeps its keys; an erasing confirmation
// takes only Y; F1 helps.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/settings.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"
#include "ui/dialogs.h"
#include "ui/play_buttons.h"
#include "ui/volume.h"


namespace {

class Keys : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    bool answering = true;   // a click wait is answered at once
    QTimer clicker;

    void SetUp() override
    {
        for (QTimer* t : {f.Timer1, f.Timer3, f.Timer4})
            t->stop();
        QObject::connect(&clicker, &QTimer::timeout, [this] {
            if (answering && clickWait == 0)
                clickWait = 1;
        });
        clicker.start(0);
    }

    // Play in area 4 with nothing at the soul's feet and nothing shown.
    void quiet()
    {
        for (QWidget* w : std::initializer_list<QWidget*>{f.start_box, f.map_box, f.name_box, f.select_box, f.lvup_box,
                                                          f.store_box, f.item_l_box, f.battle_b2, f.sell_b, f.click_l})
            w->hide();
        for (QWidget* w : std::initializer_list<QWidget*>{f.BitBtn1, f.BitBtn2, f.BitBtn6, f.BitBtn7, f.BitBtn8,
                                                          f.BitBtn9, f.BitBtn10})
            w->show();   // a panel's buttons are shown with it
        hidePlayButtons();
        clickWait = 1;
        my.currentArea = 4;
        my.difficulty = 1;
        my.karma = my.score = my.coins = my.tryCount = 0;
        my.soul = my.maxSoul = 20;
        my.soulSword = my.soulArmor = 0;
        my.deathEnergy = 100;
        my.itemCount.fill(0);
        foundTree = foundHole = foundJewel = foundCorpse = foundObject = foundSealedCorpse = foundOrb = 0;
        sealMarkState = emptySearchCount = 0;
        inBattle = guardianBattle = enemyHp = enemySpecial = enemyAlignment = 0;
        enemyItem = -1;
        selectedItem = -1;
        setMessageText({});
    }
    void setMessageText(const std::string& s)
    {
        f.moji_l->setCaption(s);
        f.moji_l2->setCaption(s);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(f.windowHandle(), k, mods); }
};

int itemOfKind(int kind)
{
    for (int id = 0; id < 254; ++id)
        if (itemTable[id].kind == kind && !itemTable[id].name.empty())
            return id;
    return -1;
}

// Each key against a click on its control: the same change, and none while
// the control is hidden, disabled, covered by the title, or the key is held.
TEST_F(Keys, EachKeyClicksWhatTheMouseCouldClick)
{
    const int coinItem = itemOfKind(12);
    ASSERT_NE(coinItem, -1);
    const auto holding = [&] {
        selectedItem = coinItem;
        my.itemCount[coinItem] = 5;
    };
    const auto asked = [&] {
        f.select_box->show();
        pendingQuestion = 11;   // YES raises karma by 2, NO lowers it by 2
    };
    const auto grown = [&] { f.lvup_box->show(); };
    const struct {
        const char* name;
        Qt::Key key;
        std::vector<QWidget*> controls;   // the first is the one the mouse clicks
        std::function<void()> setup;
        std::function<int()> change;
    } rows[] = {
        {"Space", Qt::Key_Space, {f.cg}, [] { clickWait = 0; }, [] { return clickWait; }},
        {"Enter", Qt::Key_Return, {f.cg}, [] { clickWait = 0; }, [] { return clickWait; }},
        {"W", Qt::Key_W, {f.walk_b}, [&] { f.walk_b->show(), foundTree = 1; },
         [&] { return int(f.moji_l->caption() == "木が邪魔で進めない!!"_sj); }},
        {"B", Qt::Key_B, {f.battle_b}, [&] { f.battle_b->show(); }, [] { return emptySearchCount; }},
        {"B, glowing", Qt::Key_B, {f.battle_b2, f.battle_b}, [&] { f.battle_b->show(), f.battle_b2->show(); },
         [] { return emptySearchCount; }},
        {"I", Qt::Key_I, {f.item_b}, [&] { holding(), f.item_b->show(); }, [&] { return my.itemCount[coinItem]; }},
        {"I, in a shop", Qt::Key_I, {f.sell_b, f.item_b}, [&] { holding(), f.store_box->show(), f.sell_b->show(); },
         [&] { return my.coins; }},
        {"J", Qt::Key_J, {f.kutu_b}, [&] { f.kutu_b->show(), foundHole = 1; }, [] { return foundHole; }},
        {"Y", Qt::Key_Y, {f.BitBtn1}, asked, [] { return my.karma; }},
        {"N", Qt::Key_N, {f.BitBtn2}, asked, [] { return my.karma; }},
        {"Esc", Qt::Key_Escape, {f.BitBtn2}, asked, [] { return my.karma; }},
        {"1", Qt::Key_1, {f.BitBtn6}, grown, [] { return my.soulSword; }},
        {"2", Qt::Key_2, {f.BitBtn8}, grown, [] { return my.soulArmor; }},
        {"3", Qt::Key_3, {f.BitBtn7}, grown, [] { return my.maxSoul; }},
        {"4", Qt::Key_4, {f.BitBtn10}, grown, [] { return my.score; }},
        {"5", Qt::Key_5, {f.BitBtn9}, grown, [] { return my.deathEnergy; }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto changeBy = [&](const std::function<void()>& before, const std::function<void()>& press) {
            quiet();
            row.setup();
            for (QWidget* w : row.controls)
                w->setEnabled(true);
            before();
            const int was = row.change();
            answering = clickWait != 0;   // unless the click flag is what is watched
            press();
            answering = true;
            return row.change() - was;
        };
        const int byMouse = changeBy([] {}, [&] { QTest::mouseClick(row.controls[0], Qt::LeftButton); });
        EXPECT_NE(byMouse, 0);
        EXPECT_EQ(changeBy([] {}, [&] { key(row.key); }), byMouse);

        const auto hide = [&] {
            for (QWidget* w : row.controls)
                w->hide();
        };
        const auto disable = [&] {
            for (QWidget* w : row.controls)
                w->setEnabled(false);
        };
        const auto cover = [&] { f.start_box->show(); };
        const auto held = [&] {
            QKeyEvent repeat(QEvent::KeyPress, row.key, Qt::NoModifier, QString(), true);
            QApplication::sendEvent(&f, &repeat);
        };
        if (row.controls[0] != f.cg) {   // the scene's click has other controls; only covering takes them all
            EXPECT_EQ(changeBy(hide, [&] { key(row.key); }), 0) << "hidden";
            EXPECT_EQ(changeBy(disable, [&] { key(row.key); }), 0) << "disabled";
        }
        EXPECT_EQ(changeBy(cover, [&] { key(row.key); }), 0) << "covered";
        EXPECT_EQ(changeBy([] {}, held), 0) << "held";
        EXPECT_EQ(changeBy([] {}, [&] { key(row.key, Qt::ControlModifier); }), 0) << "with Ctrl";
    }
    EXPECT_TRUE(f.walk_b->toolTip().endsWith("[W]"));
    EXPECT_EQ(f.BitBtn10->toolTip(), f.BitBtn10->text() + " [4]");
}

// While the name is typed, the game's keys are letters; Enter decides.
TEST_F(Keys, TheNameEditKeepsItsKeys)
{
    quiet();
    foundTree = 1;   // a step, if one were taken, would go nowhere
    showPlayButtons();
    f.lvup_box->show();
    f.name_box->show();
    f.name_l->setFocus();
    my.eventFlag[0] = 0;
    clickWait = 0;
    answering = false;
    const size_t cues = game.cueCount();
    for (char c : std::string("w b 1 [ m"))
        QTest::keyClick(f.windowHandle(), c);
    key(Qt::Key_Escape);
    EXPECT_EQ(f.name_l->text(), "w b 1 [ m");
    EXPECT_EQ(game.cueCount(), cues);   // no step, no click, no choice
    EXPECT_EQ(clickWait, 0);
    EXPECT_EQ(my.distance, 0);
    EXPECT_EQ(my.soulSword, 0);
    EXPECT_TRUE(visible(f.lvup_box));
    key(Qt::Key_F1);   // the help still opens
    EXPECT_EQ(game.boxes.size(), 1u);

    // A composition open in the name keeps the keys too, with the focus elsewhere.
    f.name_l->clearFocus();
    QInputMethodEvent composing("か", {});
    QApplication::sendEvent(f.name_l, &composing);
    key(Qt::Key_W);
    EXPECT_EQ(game.cueCount(), cues);
    QInputMethodEvent committed;
    committed.setCommitString("か");
    QApplication::sendEvent(f.name_l, &committed);
    f.name_l->setFocus();

    answering = true;
    key(Qt::Key_Return);
    EXPECT_FALSE(visible(f.name_box));
    EXPECT_EQ(my.playerName, "w b 1 [ mか"_sj + " ");
    EXPECT_EQ(my.eventFlag[0], 1);
}

TEST_F(Keys, F1ShowsTheHelpThroughTheBoxes)
{
    quiet();
    clickWait = 0;   // inside a scene's wait as well
    answering = false;
    key(Qt::Key_F1);
    ASSERT_EQ(game.boxes.size(), 1u);
    for (const char* part : {"W あるく", "∽", "トト", "ＧＡＭＥ ＯＶＥＲ", "つづきから", "マウス"})
        EXPECT_NE(game.boxes[0].find(sjis(part)), std::string::npos) << part;
    EXPECT_EQ(clickWait, 0);
}

// A confirmation that erases takes yes only from Y (or the mouse): Enter,
// Space, and Tab before them all answer no. While it is open the game's
// keys do nothing.
TEST_F(Keys, EnterNeverConfirmsAnErasingPrompt)
{
    quiet();
    f.walk_b->show();
    foundTree = 1;
    setDialogHook(nullptr);   // the real box
    const struct {
        const char* name;
        std::function<void()> ask;
        std::function<bool()> erased;
    } prompts[] = {
        {"ranking", [&] { f.Button7Click(); }, [] { return my.rankScore[1] == 10000; }},
        {"new game", [&] { f.Image8Click(); }, [] { return my.coins == 0; }},
    };
    const std::vector<std::vector<Qt::Key>> noes = {
        {Qt::Key_Return}, {Qt::Key_Enter}, {Qt::Key_Space}, {Qt::Key_Tab, Qt::Key_Space}, {Qt::Key_Tab, Qt::Key_Return},
        {Qt::Key_N}, {Qt::Key_Escape}};
    const auto answer = [&](const auto& prompt, const std::vector<Qt::Key>& keys) {
        my.rankScore[1] = 12345;
        my.coins = 77;
        bool closedByKeys = false;
        bool answered = false;
        QTimer t;
        QObject::connect(&t, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            if (answered) {   // the box that tells what was done
                box->reject();
                return;
            }
            answered = true;
            QTest::keyClick(&f, Qt::Key_W);   // to the window behind: nothing
            for (Qt::Key k : keys)
                if (QApplication::activeModalWidget() == box)
                    QTest::keyClick(box->windowHandle(), k);
            closedByKeys = QTest::qWaitFor([&] { return QApplication::activeModalWidget() != box; }, 2000);
            if (!closedByKeys)
                box->reject();
        });
        t.start(0);
        prompt.ask();
        EXPECT_TRUE(closedByKeys);
        EXPECT_TRUE(f.moji_l->caption().empty());
        return prompt.erased();
    };
    for (const auto& prompt : prompts)
        for (const auto& keys : noes) {
            SCOPED_TRACE(std::string(prompt.name) + ", " + QKeySequence(keys[0]).toString().toStdString() + " of "
                         + std::to_string(keys.size()));
            EXPECT_FALSE(answer(prompt, keys));
        }
    EXPECT_TRUE(answer(prompts[0], {Qt::Key_Y}));
}

// The volumes answer the character typed, whatever the layout needs for it
// (AltGr on a German keyboard), and the desktop's own volume keys; the
// window marks muted sound.
TEST_F(Keys, TheVolumesAnswerAnyLayoutAndTheDesktopsKeys)
{
    auto typed = [&](int code, Qt::KeyboardModifiers mods, const char* text) {
        QKeyEvent press(QEvent::KeyPress, code, mods, QString::fromLatin1(text));
        QApplication::sendEvent(f.windowHandle(), &press);
    };
    typed(Qt::Key_8, Qt::GroupSwitchModifier, "[");   // AltGr+8
    EXPECT_EQ(settingInt("sound/music", 0, 100, -1), 90);
    typed(Qt::Key_7, Qt::GroupSwitchModifier | Qt::AltModifier, "{");
    EXPECT_EQ(settingInt("sound/effects", 0, 100, -1), 90);
    key(Qt::Key_VolumeDown);
    EXPECT_EQ(settingInt("sound/music", 0, 100, -1), 80);
    EXPECT_EQ(settingInt("sound/effects", 0, 100, -1), 80);
    key(Qt::Key_VolumeUp);
    EXPECT_EQ(settingInt("sound/effects", 0, 100, -1), 90);
    auto marked = [&] {
        const QWidget* mark = f.findChild<QWidget*>("mute_mark");
        return mark && mark->isVisible();
    };
    EXPECT_FALSE(marked());
    key(Qt::Key_VolumeMute);
    EXPECT_TRUE(soundMuted());
    EXPECT_TRUE(marked());
    key(Qt::Key_M);
    EXPECT_FALSE(marked());
}

} // namespace
