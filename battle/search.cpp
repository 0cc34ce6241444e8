// Searching the step: what lies at the soul's feet turns into a gain, a
// loss, a find, or a spirit that attacks at once.
#include "battle/search.h"

#include <algorithm>
#include <initializer_list>

#include "battle/defeat.h"
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/sound.h"

namespace {

// A random named item of one of the kinds, drawn as the named items are;
// -1 (nothing held) when the table has none.
int randomItemOfKind(std::initializer_list<int> kinds)
{
    auto fits = [&](int i) {
        return !itemTable[i].name.empty() && std::find(kinds.begin(), kinds.end(), itemTable[i].kind) != kinds.end();
    };
    bool any = false;
    for (int i = 0; i < 254 && !any; ++i)
        any = fits(i);
    if (!any)
        return -1;
    int i;
    do
        i = R(254);
    while (!fits(i));
    return i;
}

void gainItem(int id, int count)
{
    addTo(at(my.itemCount, id), count);
    rebuildItemList();
}

bool onField(const TImage* pickup) { return pickup->x() >= 0; }
void park(TImage* pickup) { pickup->move(-50, pickup->y()); }

// A spirit that attacks as soon as it shows itself. Nothing can be pressed
// from the moment it starts to appear.
void attack(const std::string& profile, const std::string& portrait, const std::string& line)
{
    hidePlayButtons();
    showProfile(profile);
    fadeInPortrait(portrait);
    say(line);
    ambush();
}

void openJewel()
{
    foundJewel = 0;
    playCue(0, "bell.wav");
    const int draw = R(11);
    auto heal = [](int n) {
        showPicture("juel1.bmp");
        addTo(my.soul, n);
        setMessage(fill("魂が %1回復した!!"_sj, {num(n)}));
    };
    if (draw <= 7) {
        heal(1);
    } else if (draw == 8) {
        showPicture("juel2.bmp");
        addTo(my.maxSoul, 1);
        setMessage("最大魂が 1増えた!!"_sj);
    } else if (draw == 10 && my.karma <= -11) {
        showPicture("juel3.bmp");
        playCue(2, "strdown.wav");
        setMessage("破片で怪我を負った....魂 -1"_sj);
        addTo(my.soul, -1);
        CheckDeath();
    } else if (draw == 10 && my.karma >= 11) {
        heal(2);
    } else {
        showPicture("juel3.bmp");
        setMessage("カラだった..."_sj);
    }
}

void cutTree()
{
    foundTree = 0;
    playCue(1, "tree.wav");
    const int draw = R(20);
    if (draw >= 1 && draw <= 12) {
        showPicture("tree2.bmp");
        setMessage("木を切り倒した!!"_sj);
        addTo(my.memory, 1);
    } else if (draw >= 13 && draw <= 16) {
        showPicture("tree4.bmp");
        setMessage("時の欠片だ!!....死のエネルギーが 10増えた"_sj);
        addTo(my.deathEnergy, 10);
    } else if (draw == 17 || draw == 18) {
        showPicture("tree3.bmp");
        setMessage("かぐや姫だ!!"_sj);
        gainItem(25, 1);
    } else if (my.karma <= -11) {
        foundTree = 1;
        playCue(2, "strdown.wav");
        setMessage("剣の歯が欠けてしまった....剣△ -1"_sj);
        addTo(my.soulSword, -1);
    } else if (my.karma <= 10) {
        foundTree = 1;
        setMessage("木は切れなかった...."_sj);
    } else {
        showPicture("tree2.bmp");
        playCue(2, "up.wav");
        setMessage("剣が成長した!!....剣△ +1"_sj);
        addTo(my.soulSword, 1);
    }
}

void openCorpse()
{
    TForm1& f = *Form1;
    foundCorpse = 0;
    playCue(0, "mukuro.wav");
    showPicture("trager2.bmp");
    if (R(10) <= 8) {
        const int id = randomNamedItem();
        gainItem(id, 1);
        setMessage(fill("『%1』を骸の中から発見した!!"_sj, {at(itemTable, id).name}));
        return;
    }
    // Through the wait nothing else can be done: no step, no item.
    f.walk_b->hide();
    f.item_list->setEnabled(false);
    setMessage("只ならぬ妖気が辺りに立ちこめた"_sj);
    waitForClick();
    if (my.karma <= -11) {
        setMessage("妖気を吸収し、死のエネルギーを +10した"_sj);
        addTo(my.deathEnergy, 10);
    } else if (my.karma >= 11) {
        setMessage("死のエネルギーを 20ロストした"_sj);
        addTo(my.deathEnergy, -20);
    } else {
        setMessage("死のエネルギーを 10ロストした"_sj);
        addTo(my.deathEnergy, -10);
    }
    f.walk_b->show();
    f.item_list->setEnabled(true);
}

void pickUpObject()
{
    foundObject = 0;
    playCue(0, "mukuro.wav");
    const int draw = R(10);
    if (draw <= 6) {
        const int id = randomNamedItem();
        gainItem(id, 1);
        setMessage(fill("『%1』を拾った!!"_sj, {at(itemTable, id).name}));
    } else if (draw == 7) {
        setMessage("爆弾だった....!! 魂半減"_sj);
        addTo(my.soul, -(my.soul / 2));
    } else {
        setMessage("『石っころ』を拾った"_sj);
        gainItem(103, 1);
    }
    if (bakIndex == 0)
        bakIndex = 1;
    showPicture("bak" + num(bakIndex) + ".bmp");
    if (++bakIndex == 4)
        bakIndex = 1;
}

void openSealedCorpse()
{
    playCue(0, "mukuro.wav");
    if (my.itemCount[95] < 1) {
        setMessage("特殊な躯のようだ。この躯を開くにはカギが必要らしい...."_sj);
        return;
    }
    foundSealedCorpse = 0;
    addTo(my.itemCount[95], -1);
    showPicture("trager2.bmp");
    const int id = randomNamedItem();
    gainItem(id, 3);
    setMessage(fill("カギを1つ使用して、『%1』を 3つ発見した!!"_sj, {at(itemTable, id).name}));
}

// The two spirits of the orbs: パン！, holy and as strong as the soul, and
// バン！, dark and as strong as the purse (or as the cold it complains of).
void presentPan(int item)
{
    enemyMaxHp = my.soul;
    enemyAlignment = 1;
    enemyItem = item;
}

void presentBan(int strength, int item)
{
    enemyMaxHp = strength;
    enemyAlignment = -1;
    enemyItem = item;
}

// An orb spirit that only talks.
void speak(const std::string& portrait, const std::string& name, const std::string& line)
{
    hidePlayButtons();
    fadeInPortrait(portrait);
    showProfile(name);
    say(line);
}

void breakOrb()
{
    TForm1& f = *Form1;
    foundOrb = 0;
    playCue(0, "paka.wav");
    switch (R(9)) {
    case 0:
        presentPan(randomNamedItem());
        enemySpecial = 4;
        attack("パン！"_sj, "pan.bmp", "パン！が現れた"_sj);
        return;
    case 1:
        presentBan(saturate(int64_t(my.coins) + 1), randomNamedItem());
        enemySpecial = 5;
        attack("バン！"_sj, "ban.bmp", "バン！が現れた"_sj);
        return;
    case 2:
    case 3:
        presentPan(7);
        speak("pan.bmp", "パン！"_sj, "パン！「疲れただろう、こうしてやるさ」"_sj);
        my.statusHeal = 1;
        say("【癒】状態になった!!"_sj);
        break;
    case 4:
    case 5:
        presentBan(saturate(int64_t(my.coins) + 1), 20);
        speak("ban.bmp", "バン！"_sj, "バン！「よくも割ったね！！こうしてやるよ」"_sj);
        my.statusGrudge = 1;
        say("【怨】状態になった!!"_sj);
        break;
    case 6:
        return;   // only shards
    case 7:
        presentPan(7);
        speak("pan.bmp", "パン！"_sj, "パン！「こっから出してやろうか？」"_sj);
        pendingQuestion = 12;
        f.select_box->show();
        return;
    case 8:
        presentBan(my.deathEnergy, 18);
        speak("ban.bmp", "バン！"_sj, "バン！「寒いからすぐに閉じて!!」"_sj);
        break;
    }
    // The spirit stays, and may still be attacked.
    f.battle_b->show();
    f.walk_b->show();
}

void coolSealMark()
{
    sealMarkState = 2;
    playCue(0, "bell.wav");
    setMessage("刻印の温度が下がった"_sj);
}

// The darker the karma, the rarer the neutral spirit in the shard.
void openTimeShard()
{
    playCue(2, "bell.wav");
    park(Form1->toki_cg);
    const int n = my.karma >= 10 ? 2 : my.karma >= -9 ? 3 : my.karma >= -19 ? 4 : 5;
    if (R(n) != 0) {
        setMessage("時の欠片は砕けてしまった...."_sj);
        return;
    }
    enemyMaxHp = saturate(int64_t(R(n)) + my.consciousness + 5);
    enemyAlignment = 0;
    enemySpecial = 3;
    enemyItem = randomItemOfKind({0, 16, 20, 21});
    attack("無属性霊体"_sj, "muzoku.bmp", "無属性霊体が現れた"_sj);
}

void wakeCoinSpirit()
{
    playCue(2, "bell.wav");
    enemyMaxHp = saturate(int64_t(my.maxSoul) + R(my.maxSoul));
    enemyAlignment = -2;
    enemyItem = randomItemOfKind({12});
    park(Form1->coin_cg);
    attack("金貨に潜む精霊"_sj, "2.bmp", "金貨の精、魔人フーガが現れた"_sj);
}

} // namespace

bool searchFeet()
{
    TForm1& f = *Form1;
    if (foundJewel == 1)
        openJewel();
    else if (foundTree == 1)
        cutTree();
    else if (foundCorpse == 1)
        openCorpse();
    else if (foundObject == 1)
        pickUpObject();
    else if (foundSealedCorpse == 1)
        openSealedCorpse();
    else if (foundOrb == 1)
        breakOrb();
    else if (sealMarkState >= 1)
        coolSealMark();
    else if (onField(f.toki_cg))
        openTimeShard();
    else if (onField(f.coin_cg))
        wakeCoinSpirit();
    else
        return false;
    return true;
}

void searchNobody()
{
    if (++emptySearchCount <= 30) {
        setMessage("だれもいない...."_sj);
        return;
    }
    emptySearchCount = 0;
    hidePlayButtons();
    enemyMaxHp = saturate(R(my.maxSoul) + 2 * int64_t(my.maxSoul));
    enemyAlignment = -4;
    enemyItem = randomNamedItem();
    showProfile("次元の狭間にいきる生命体"_sj);
    fadeInPortrait("4.bmp");
    say("次元が割れ、妖魔オルフが現れた!!"_sj);
    ambush();
}
