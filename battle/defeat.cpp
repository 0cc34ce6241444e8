// The end of a fight and of a life.
#include "battle/defeat.h"

#include <algorithm>

#include "core/clock.h"
#include "core/datafile.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "title/conquest.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/status.h"

namespace {

void showFrames(std::initializer_list<const char*> pictures, int ms)
{
    for (const char* name : pictures) {
        showPicture(name);
        repaintWindow();
        pauseMs(ms);
    }
}

// Memory left by a defeated enemy: the weaker it was beside the soul, the
// less there is to remember. Below a quarter of the soul's size an enemy
// leaves the smallest trace, however weak: every defeat is remembered.
int memoryGain(int strength)
{
    const int64_t s = my.maxSoul, m = strength;
    int n = 1;
    if (s <= m)
        n = 25;
    else if (s <= 2 * m)
        n = 15;
    else if (s <= 3 * m)
        n = 7;
    else if (s <= 4 * m)
        n = 3;
    if (my.karma > 0)
        n += my.karma / 4;
    return n;
}

// A question or the name asked on the step the soul dies on waits, greyed,
// until it stands up again.
void holdQuestions(bool held)
{
    Form1->select_box->setEnabled(!held);
    Form1->name_box->setEnabled(!held);
}

// The soul falls apart into the dark and its death is said. The buttons go
// first: nothing the player pressed meanwhile may start inside a death.
void fall()
{
    TForm1& f = *Form1;
    hidePlayButtons();
    holdQuestions(true);
    playCue(1, "16.wav");
    pumpMessages();
    showFrames({"dead.bmp", "dead2.bmp", "dead3.bmp", "dead4.bmp", "dead5.bmp"}, 80);
    f.cg->canvas.fillAll(Qt::black);
    repaintWindow();
    pauseMs(80);
    f.state_l3->setCaption({});
    setMessage(fill("%1は死んでしまった...."_sj, {soulName()}));
    waitForClick();
}

// What a death costs, and the soul standing up again with `soulGiven`.
void rise(bool shrinks, int soulGiven)
{
    addTo(my.deathEnergy, -100);
    setMessage("死のエネルギーを 100ロストした...."_sj);
    waitForClick();
    if (shrinks) {
        my.maxSoul = saturate(std::max<int64_t>(1, int64_t(my.maxSoul) - 1));
        setMessage("最大魂が 1減少してしまった...."_sj);
        waitForClick();
    }
    addTo(my.distance, -50);
    setMessage("50Km戻された...."_sj);
    waitForClick();
    addTo(my.soul, soulGiven);
    showPicture("bak1.bmp");
    holdQuestions(false);
    // A question still waiting is answered first: its answer gives the
    // buttons back.
    if (!visible(Form1->select_box) && !visible(Form1->name_box))
        showPlayButtons();
}

} // namespace

void DefeatEnemy()
{
    TForm1& f = *Form1;
    hidePlayButtons();
    inBattle = 0;
    enemyHp = 0;
    refreshStatus();
    repaintWindow();
    pauseMs(500);

    playCue(2, "die.wav");
    pumpMessages();
    f.cg->canvas.fillAll(Qt::white);
    repaintWindow();
    pauseMs(70);
    showFrames({"e_dead4.bmp", "e_dead3.bmp", "e_dead2.bmp", "e_dead.bmp", "e_dead0.bmp"}, 70);
    showPicture("bak3.bmp");
    f.state_l3->setCaption({});

    playCue(1, "15.wav");
    setMessage("姿を消した...."_sj);
    waitForClick();
    refreshStatus();

    const int n = memoryGain(enemyMaxHp);
    setMessage(fill("姿を消した....\r記憶が %1増えた"_sj, {num(n)}));
    waitForClick();
    addTo(my.memory, n);

    if (my.memory > int64_t(my.consciousness) * 20 + 100) {
        addTo(my.consciousness, 1);
        my.memory = 0;
        refreshStatus();
        playCue(2, "lvup.wav");
        setMessage(f.moji_l->caption() + "\r" + fill("%1は成長した!!"_sj, {soulName()}));
        refreshStatus();
        waitForClick();
        awardScore(50);
        f.lvup_box->show();   // the rewards follow the choice
        return;
    }
    GrantDefeatRewards();
}

void GrantDefeatRewards()
{
    TForm1& f = *Form1;
    if (enemyItem != -1) {
        refreshStatus();
        setMessage(f.moji_l->caption() + "\r" + fill("【%1】を入手した!!"_sj, {at(itemTable, enemyItem).name}));
        waitForClick();
        int32_t& held = at(my.itemCount, enemyItem);
        held = std::min<int64_t>(int64_t(held) + 1, 99);
        rebuildItemList();
    }

    int gain = 10;
    if (my.karma < 0)
        gain = saturate(gain - int64_t(my.karma) / 2);
    if (enemySpecial == 3)
        gain /= 2;
    addTo(my.deathEnergy, gain);
    setMessage(fill("死のエネルギーが %1増えた"_sj, {num(gain)}));
    waitForClick();

    // The drainers and burners weigh on karma only half the time.
    if (enemyAlignment != 0 && ((enemySpecial != 1 && enemySpecial != 2) || R(2) == 0))
        changeKarma(enemyAlignment);
    enemySpecial = 0;
    if (my.currentArea == 6 || my.currentArea == 7)
        awardScore(1);

    if (guardianBattle == 1) {
        conquerArea();
        guardianBattle = 0;
        return;   // the conquest ends on the world map, which has no play buttons
    }
    showPlayButtons();
}

void DieInBattle()
{
    inBattle = 0;
    guardianBattle = 0;
    my.soul = 0;
    enemyHp = 0;
    enemySpecial = 0;
    fall();
    rise(my.difficulty >= 1, my.difficulty == 0 ? 5 : 1);
}

bool CheckDeath()
{
    if (my.soul > 0)
        return false;
    inBattle = 0;
    guardianBattle = 0;
    my.soul = 0;
    enemyHp = 0;
    fall();
    rise(true, 1);
    return true;
}

void GameOver()
{
    TForm1& f = *Form1;
    // Nothing of the run may be pressed or answered through its last words.
    hidePlayButtons();
    f.select_box->hide();
    f.name_box->hide();
    setMessage("死のエネルギーが底を付いてしまった...."_sj);
    waitForClick();
    appendMessage("こうなっては、魂の悪あがきもここまでだろう"_sj);
    waitForClick();
    setMessage("～貴方という瞬きは停止した～"_sj);
    waitForClick();
    setMessage("ＧＡＭＥ　ＯＶＥＲ"_sj);
    waitForClick();

    // The run is over: nothing of its moment follows the soul back to its save.
    resetMoment();
    try {
        loadGameData();
    } catch (const EInOutError& e) {
        reportFailedLoad(e.what());   // the title still returns, with the last good save when there is one
    }
    playMusic("miruhe.mid");
    f.start_box->show();
}
