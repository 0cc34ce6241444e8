// Walking the road, one kilometre per step.
#include <algorithm>

#include "battle/defeat.h"
#include "core/clock.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "story/encounters.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/sound.h"
#include "ui/transitions.h"

namespace {

// A pickup lies on the field while it is inside the scene; parking puts it
// just outside.
bool onField(const TImage* pickup) { return pickup->x() >= 0; }
void park(TImage* pickup) { pickup->move(-50, pickup->y()); }

// The road scrolls by: bak1, bak2, bak3, bak1...
void nextBackground()
{
    if (bakIndex == 0)
        bakIndex = 1;
    showPicture("bak" + num(bakIndex) + ".bmp");
    if (++bakIndex >= 4)
        bakIndex = 1;
}

// Something in the way: the step goes nowhere.
void blocked(const std::string& message)
{
    playCue(1, "no.wav");
    setMessage(message);
}

void fall()
{
    playCue(1, "18.wav");
    foundHole = 0;
    Form1->kutu_b->hide();
    const int r = R(11);
    if (r <= 3) {
        addTo(my.deathEnergy, -10);
        setMessage("穴に落ちてしまった!! 死のエネルギーが 10減少した"_sj);
    } else if (r <= 7) {
        addTo(my.soul, -3);
        setMessage("穴に落ちてしまった!! 魂が 3ダメージを負った"_sj);
    } else if (r == 8) {
        setMessage("咄嗟に穴を避けた!!"_sj);
    } else if (r == 9) {
        addTo(my.soulArmor, -1);
        setMessage("穴に落ちてしまった!! 魂の鎧が 1減ってしまった"_sj);
    } else {
        enterArea(11);   // the bottom of the underworld, with its toll
        my.distance = 0;
        setMessage("穴に落ち....ここはどこ!?"_sj);
    }
}

void stumble()
{
    foundObject = 0;
    switch (R(10)) {
    case 0:
        playCue(1, "18.wav");
        setMessage("石に足をぶつけた!! 死のエネルギーが 10減少した"_sj);
        addTo(my.deathEnergy, -10);
        break;
    case 1:
        playCue(1, "18.wav");
        setMessage("躓いて転んでしまった!! 魂が 2ダメージを負った"_sj);
        addTo(my.soul, -2);
        break;
    case 2:
        playCue(1, "18.wav");
        setMessage("転んで足を骨折してしまった!! 最大魂が 1減少した"_sj);
        my.maxSoul = saturate(std::max<int64_t>(int64_t(my.maxSoul) - 1, 1));
        break;
    }
    nextBackground();
}

// The field itself hurts: the soul loses d.
void hurt(int d)
{
    setMessage(fill("%1ダメージ受けた"_sj, {num(d)}));
    addTo(my.soul, -int64_t(d));
    CheckDeath();
}

void rift()
{
    TForm1& f = *Form1;
    flashRed();
    park(f.koku_cg);
    playCue(0, "koku.wav");
    if (R(3) == 0) {
        hurt(my.soul / 10 + 1);
        return;
    }
    hidePlayButtons();
    setMessage({});   // the last step's words would show through the creature's
    enemyMaxHp = saturate(int64_t(R(my.maxSoul)) + my.maxSoul + my.soulArmor + my.soulSword + 10);
    enemyItem = 36;
    enemyAlignment = -6;
    fadeInPortrait("koku.bmp");
    showProfile("魔界の手\r刻印の裂け目から伸びる、ひとつ目の腕。こちら側の魂のぬくもりを、ずっと欲しがっている"_sj);
    say("魔界との接点が開いた"_sj);
    ambush();
}

void burn()
{
    flashRed();
    playCue(2, "18.wav");
    hurt(my.soul / 2 + 1);   // the mark stays and burns again next step
}

// The four statuses act once a step; each wears off one time in twenty,
// whether or not it was doing anything.
void statusEffects()
{
    if (my.statusFaith >= 1)
        addTo(my.deathEnergy, -1);
    if (R(20) == 0)
        my.statusFaith = 0;
    if (my.statusGrudge >= 1)
        addTo(my.deathEnergy, 1);
    if (R(20) == 0)
        my.statusGrudge = 0;
    if (my.statusPoison >= 1)
        addTo(my.soul, -1);
    if (R(20) == 0)
        my.statusPoison = 0;
    if (my.statusHeal == 1)
        addTo(my.soul, 1);
    if (R(20) == 0)
        my.statusHeal = 0;
}

// Death energy a step costs: by difficulty, then swayed by karma.
int stepCost()
{
    int n = 1;
    if (my.difficulty == 0 && R(3) == 0)
        n = 0;
    if (my.difficulty == 2)
        n += 1;
    if (my.difficulty == 3)
        n += R(2);
    if (my.karma >= 10 && R(5) == 0)
        n += 1;
    if (my.karma <= -10 && R(5) == 0)
        n -= 1;
    if (my.karma >= 20 && R(4) == 0)
        n += 1;
    if (my.karma <= -20 && R(4) == 0)
        n -= 1;
    return n < 1 ? 0 : n;
}

void ordinaryStep()
{
    TForm1& f = *Form1;
    f.state_l3->setCaption({});
    setMessage({});
    nextBackground();
    addTo(my.distance, 1);
    if (my.distance >= at(areaTable, my.currentArea).length) {
        hidePlayButtons();
        meetGuardian();
        return;
    }
    rollEncounter();
    statusEffects();
    const int cost = stepCost();
    addTo(my.deathEnergy, -int64_t(cost));
    addTo(my.energySpent, cost);
    if (my.energySpent % 100 == 99 && soulSwordReleased == 0) {
        playCue(2, "s_ken.wav");
        soulSwordReleased = 1;
    }
    if (my.deathEnergy <= 0)
        return GameOver();   // the run is over: no death of it plays over the title
    CheckDeath();
}

} // namespace

void TForm1::walk_bMouseDown()
{
    if (inBattle == 1)
        return;
    foundJewel = 0;
    item_b->hide();
    selectedItem = -1;
    item_list->setCurrentRow(-1);
    item_l_box->hide();
    park(coin_cg);
    park(toki_cg);
    emptySearchCount = 0;
    enemyHp = 0;   // a character left standing can no longer be fought
    playCue(0, "2.wav");
    if (CheckDeath())
        return;

    if (foundTree == 1)
        return blocked("木が邪魔で進めない!!"_sj);
    if (foundOrb == 1)
        return blocked("玉が邪魔で進めない!!"_sj);
    if (foundHole == 1)
        return fall();
    if (foundObject == 1)
        return stumble();
    if (foundCorpse == 1)
        return blocked("骸が邪魔で進めない!!"_sj);
    foundSealedCorpse = 0;   // a sealed corpse is walked past and left behind
    if (onField(koku_cg))
        return rift();
    if (onField(doku_cg))
        return burn();
    ordinaryStep();
}

// Over the hole: no fall, no kilometre, no encounter, no cost.
void TForm1::kutu_bMouseDown()
{
    playCue(0, "jump.wav");
    kutu_b->hide();
    foundHole = 0;
    nextBackground();
    setMessage("ジャンプ！"_sj);
    if (my.karma < -5 && R(5) == 0) {
        playCue(0, "18.wav");
        addTo(my.soul, -1);
        setMessage("転んでしまった....魂 -1"_sj);
    }
}
