// The battle button: a fight, a turn of blows, or a search.
#include "battle/defeat.h"
#include "battle/search.h"
#include "core/clock.h"
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/sound.h"
#include "ui/status.h"

namespace {

// Karma weighs on every blow: against a spirit of its own side the blow is
// one softer, against the other side one harder.
int alignmentShift()
{
    if ((my.karma > 0 && enemyAlignment > 0) || (my.karma < 0 && enemyAlignment < 0))
        return -1;
    if ((my.karma > 0 && enemyAlignment < 0) || (my.karma < 0 && enemyAlignment > 0))
        return 1;
    return 0;
}

// The enemy lunges out of the picture at the soul.
void lunge()
{
    TForm1& f = *Form1;
    for (int i = 1; i <= 3; ++i) {
        const QImage part = f.bak->picture.copy(20 * i, 20 * i, 300 - 40 * i, 400 - 40 * i);
        f.cg->canvas.stretchDraw(0, 0, 300, 400, part);
        repaintWindow();
        pauseMs(10);
    }
}

// A plain hit: the mirror of the soul's blow, where holy karma is the shield.
std::string plainHit(int base)
{
    int e = saturate(int64_t(base) + alignmentShift());
    if (e < 1)
        e = 1;
    if (R(20) == 0) {
        e = saturate(int64_t(e) * 2);
        appendMessage("[クリティカル]"_sj);
    }
    if (R(20) == 0 && my.karma >= 11) {
        e /= 2;
        appendMessage("[聖なるカルマ]"_sj);
    }
    if (R(20) == 0) {
        e /= 2;
        appendMessage("[ガード]"_sj);
    }
    if (R(20) == 0) {
        e = 0;
        appendMessage("[Miss....]"_sj);
    }
    addTo(my.soul, -int64_t(e));
    return fill("%1ダメージくらった...."_sj, {num(e)});
}

// The answer of an enemy still standing: a plain hit, or now and then its
// special attack. `base` is its hit before karma, less the soul's armour.
void enemyAnswer(int base)
{
    pauseMs(500);
    lunge();
    enum { Plain, Drain, Burn, MMagic, HolySpell, Poison } action = Plain;
    switch (enemySpecial) {
    case 1: if (R(2) == 1) action = Drain; break;
    case 2: if (R(2) == 1) action = Burn; break;
    case 3: if (R(4) == 3) action = MMagic; break;
    case 4: if (R(5) == 4) action = HolySpell; break;
    case 5: if (R(5) == 4) action = Poison; break;
    }
    flashRed();
    std::string line;
    int drained = 0;
    switch (action) {
    case Plain:
        line = plainHit(base);
        break;
    case Drain:
        drained = saturate(int64_t(base) + 1);
        addTo(my.soul, -int64_t(drained));
        line = fill("魂を %1吸われてしまった....!!"_sj, {num(drained)});
        break;
    case Burn:
        addTo(my.deathEnergy, -(2 * int64_t(base) + 1));
        line = fill("聖なる力によって、死のエネルギーを %1消滅させられた....!!"_sj, {num(2 * int64_t(base) + 1)});
        break;
    case MMagic:
        addTo(my.soul, -(my.soul / 2));
        line = "敵はＭ法を唱えた 魂半減"_sj;
        break;
    case HolySpell:
        my.statusFaith = 1;
        line = "敵は聖なる呪文を唱えた 【信】化"_sj;
        break;
    case Poison:
        my.statusPoison = 1;
        line = "敵は毒液を吐き出した!! 【毒】化"_sj;
        break;
    }
    playCue(2, "18.wav");
    refreshStatus();
    addTo(enemyHp, drained);   // the drained soul feeds the enemy
    appendMessage(line);
}

void playTurn()
{
    Form1->walk_b->hide();   // until the fight is over
    const int enemyBase = saturate(int64_t(R(2)) + enemyMaxHp / 3 - my.soulArmor);
    int p = saturate(int64_t(R(2)) + my.maxSoul / 3 + my.soulSword + alignmentShift());
    if (p < 1)
        p = 1;
    if (soulSwordReleased == 1) {
        soulSwordReleased = 0;
        Form1->battle_b2->hide();   // spent: no second blow from the glowing face
        p = saturate(2 * int64_t(p) + 2);
        appendMessage("[魂の剣の解放]"_sj);
    }
    if (R(20) == 0 && my.karma <= -11) {
        p = saturate(int64_t(p) * 2);
        appendMessage("[暗黒のカルマ]"_sj);
    }
    if (R(20) == 0) {
        p = saturate(int64_t(p) * 2);
        appendMessage("[クリティカル]"_sj);
    }
    if (R(20) == 0) {
        p /= 2;
        appendMessage("[ガード]"_sj);
    }
    if (R(20) == 0) {
        p = 0;
        appendMessage("[Miss....]"_sj);
    }
    addTo(enemyHp, -int64_t(p));
    if (enemyHp < 0)
        enemyHp = 0;
    appendMessage(fill("%1ダメージ与えた"_sj, {num(p)}));
    refreshStatus();
    repaintWindow();

    if (enemyHp >= 1)
        enemyAnswer(enemyBase);

    if (my.soul <= 0)
        DieInBattle();
    else if (enemyHp <= 0)
        DefeatEnemy();
}

} // namespace

void TForm1::battle_bClick()
{
    if (visible(Form2))
        return;
    if (enemyHp > 0 && inBattle == 0) {   // something stands here and has not attacked yet
        playCue(2, "10.wav");
        ambush();
        return;
    }
    item_l_box->hide();
    selectedItem = -1;
    item_b->hide();
    setMessage({});
    drawLightning();
    playCue(0, "1.wav");
    if (searchFeet())
        return;
    if (inBattle == 1)
        playTurn();
    else
        searchNobody();
}
