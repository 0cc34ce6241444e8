// What a step meets on the road: every second ordinary step draws one of 38
// outcomes.
#include "story/encounters.h"

#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "story/scene_kit.h"
#include "story/scenes.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/sound.h"
#include "ui/status.h"

namespace {

// Puts a pickup somewhere on the scene.
void place(TImage* pickup)
{
    const int left = R(250);
    const int top = R(350);
    pickup->move(left, top);
}

const Cast sleepingPlace{"white.bmp", "魂を休めます"};
const Cast keeper{"3.bmp", "記録の霊シオリ。迷える魂の今の在り方を、一冊の本に書き留めている"};
const Cast darkSpirit{"ankoku.bmp", "暗黒霊。闇に傾いた魂に引き寄せられる霊。同じ色の魂を喰らって膨らむ"};
const Cast holySpirit{"sinsei.bmp", "神聖霊。光に傾いた魂を追いかける霊。その輝きを糧に、まばゆく燃える"};

void sleepSpace()
{
    hidePlayButtons();
    const int price = saturate(int64_t(R(4)) + 4 + my.consciousness);
    offerCoins = -price;
    meet(sleepingPlace, 99, 37, 10);
    say(fill("スリープスペースだ。休みますか？要：金貨 %1枚"_sj, {num(price)}));
    ask(8);
}

// シオリ writes down where each soul stands, for those who ask her to.
void savePoint()
{
    hidePlayButtons();
    meet(keeper, int64_t(my.consciousness) + 3 + my.soulArmor, -1, 1);
    sayLines({"シオリ「ここまでのきみを、この本に書き留めておく？」"});
    ask(9);
}

// The wanderer takes the colour of the soul's karma: the dark and the holy
// attack, the neutral one only looks.
void wanderingSpirit()
{
    hidePlayButtons();
    const int strength = saturate(int64_t(R(3)) + my.consciousness + my.soulArmor + my.soulSword + 2);
    const int item = randomNamedItem();
    if (my.karma <= -10) {
        enemySpecial = 1;
        meet(darkSpirit, strength, item, -1);
        sayLines({"暗黒霊「同じにおいがする……おまえの闇、よこせ!!」"});
        ambush();
    } else if (my.karma >= 10) {
        enemySpecial = 2;
        meet(holySpirit, strength, item, 1);
        sayLines({"神聖霊「まぶしい……その輝き、わたしにちょうだい!!」"});
        ambush();
    } else {
        enemySpecial = 3;
        meet(neutralSpirit, strength, item, 0);
        sayLines({"無属性霊体「…………（こちらを映しているだけで、襲ってはこない）」"});
        showPlayButtons();
    }
}

void blessingOfArea8()
{
    playCue(0, "up.wav");
    switch (R(9)) {
    case 0:
        setMessage("ウッサーマの呪い 魂 +1"_sj);
        addTo(my.soul, 1);
        break;
    case 1:
        setMessage("ウッサーマの呪い 魂 +5"_sj);
        addTo(my.soul, 5);
        break;
    case 2:
        setMessage("ウッサーマの呪い 最大魂 +1"_sj);
        addTo(my.maxSoul, 1);
        break;
    case 3:
        setMessage("ウッサーマの呪い 魂の剣 +1"_sj);
        addTo(my.soulSword, 1);
        break;
    case 4:
        setMessage("ウッサーマの呪い 魂の鎧 +1"_sj);
        addTo(my.soulArmor, 1);
        break;
    case 5:
        setMessage("ウッサーマの呪い 死のエネルギー +10"_sj);
        addTo(my.deathEnergy, 10);
        break;
    case 6:
        setMessage("ウッサーマの呪い 死のエネルギー +20"_sj);
        addTo(my.deathEnergy, 20);
        break;
    case 7:
        setMessage("ウッサーマの呪い 個体スコアUP"_sj);
        awardScore(10);
        break;
    case 8:
        setMessage("ウッサーマの呪い 個体スコアUP"_sj);
        awardScore(20);
        break;
    }
}

// Acts on the draw; false when it ends without giving the buttons back
// itself (a scene, a question, a fight).
bool act(int r)
{
    TForm1& f = *Form1;
    const int area = my.currentArea;
    switch (r) {
    case 0: case 1: case 2: case 3: case 4:
        PlayCharacterScene();
        return false;
    case 5: case 9:
        place(f.coin_cg);
        break;
    case 6:
        if (area >= 2 && area != 4)
            place(f.koku_cg);
        break;
    case 7:
        showPicture("juel0.bmp");
        foundJewel = 1;
        break;
    case 8:
        if (my.coins >= 6) {
            sleepSpace();
            return false;
        }
        hidePlayButtons();
        break;
    case 10:
        savePoint();
        return false;
    case 11:
        showPicture("tree.bmp");
        foundTree = 1;
        break;
    case 12:
        if (area >= 5) {
            sealMarkState = 1;
            place(f.doku_cg);
        }
        break;
    case 13:
        showPicture("trager.bmp");
        foundCorpse = 1;
        break;
    case 14: case 15:
        place(f.toki_cg);
        break;
    case 16:
        if (area == 2 || area >= 5) {
            wanderingSpirit();
            return false;
        }
        break;
    case 17:
        if (area >= 1) {
            f.kutu_b->show();
            showPicture("ana.bmp");
            foundHole = 1;
        }
        break;
    case 18:
        if (area >= 5) {
            showPicture("tama.bmp");
            foundOrb = 1;
        }
        break;
    case 19:
        if (area != 0 && area != 3) {
            showPicture("trager.bmp");
            foundSealedCorpse = 1;
        }
        break;
    case 20:
        if (my.difficulty >= 2) {
            showPicture("ibara.bmp");
            addTo(my.soul, -1);
            playCue(0, "18.wav");
            setMessage("怪我を負った....魂 -1"_sj);
        }
        break;
    case 21:
        showPicture("mono.bmp");
        foundObject = 1;
        break;
    case 22: case 23:
        if (area == 8)
            blessingOfArea8();
        break;
    }
    return true;
}

} // namespace

void rollEncounter()
{
    if (++encounterTick > 99)
        encounterTick = 0;
    if (encounterTick < 2)
        return;
    encounterTick = 0;
    if (act(R(38)))
        showPlayButtons();
}
