// Name entry and the yes/no questions.
#include <span>

#include "core/language.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "story/encounters.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/play_buttons.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/status.h"
#include "ui/transitions.h"

namespace {

// Names this world reacts to, compared byte for byte with what was typed,
// or, in another language, with their spellings in its catalog (in any case).
const char* const strongNames[] = {
    "k", "ｋ", "29", "鬼", "剣", "ソード＝ＯＮＥ", "火", "炎", "力", "魔人",   // tr: special name
    "たける", "武", "つよし", "剛", "ごんた",                                   // tr: special name
};
const char* const gentleNames[] = {
    "jam", "world", "じゃむ", "ジャム", "ねぎだく", "ネギだく", "葱", "eien", "永遠", "crop", "ころぷ",   // tr: special name
    "まもる", "守", "やすこ", "泰子", "のどか",                                                          // tr: special name
};
const char* const familiarNames[] = {
    "碁", "もく", "モク",                        // tr: special name
    "さとし", "サトシ", "聡", "satoshi",         // tr: special name
    "まなみ", "マナミ", "愛美", "manami",        // tr: special name
    "けんた", "ケンタ", "健太", "kenta",         // tr: special name
    "さっちゃん", "まなっち",                    // tr: special name
};
const char* const greatNames[] = {
    "プリンス", "7", "７", "ファウスト", "デス", "コールド", "セブン", "風", "マクベス", "メフィスト",   // tr: special name
    "８０１", "801", "輪廻", "終焉", "天", "ミッドポイント", "Ｍ",                                      // tr: special name
    "くいるもす", "ぬらも",                                                                             // tr: special name
};

bool among(const std::string& name, std::span<const char* const> names)
{
    for (const char* n : names)
        if (name == toCp932(n).value() || spelledAs(name, "special name", n))
            return true;
    return false;
}

} // namespace

void TForm1::Button5Click()
{
    const std::string typed = name_l->textCp932();
    if (typed.empty())
        return;
    my.playerName = typed.size() % 2 ? typed + " " : typed;
    playCue(2, "6.wav");
    name_box->hide();
    hidePlayButtons();   // through the answer's lines nothing else can be done
    my.eventFlag[0] = 1;
    const std::string& name = my.playerName;
    if (among(typed, strongNames)) {
        say(fill("「%1」・・・・、なんだか強そうな名前だね!!"_sj, {name}));
        addTo(my.soulSword, 1);
        say("魂の剣が 1強くなった!!"_sj);
    } else if (among(typed, gentleNames)) {
        say(fill("「%1」・・・・、その名前、なんだか安心する"_sj, {name}));
        addTo(my.soulArmor, 1);
        say("魂の鎧が 1強くなった!!"_sj);
    } else if (among(typed, familiarNames)) {
        say(fill("「%1」・・・・、その名前、なんだか聞いた事があるような"_sj, {name}));
        addTo(my.maxSoul, 2);
        say("魂の大きさが 2上昇した!!"_sj);
    } else if (among(typed, greatNames)) {
        say(fill("「%1」・・・・!!!!すごい名前だね"_sj, {name}));
        awardScore(100);
        say("個体スコアが 100上昇した!!"_sj);
    } else if (my.playerName.size() <= 2) {
        say(fill("「%1」・・・・、変わった名前・・・ちょっと恐いね"_sj, {name}));
        changeKarma(1);
    } else {
        static const char* const remarks[4] = {
            "めぐみ「いい名前だね。ちゃんと覚えておくよ」",
            "めぐみ「なんだか、なつかしい響きがするね」",
            "めぐみ「その名前、なくさないようにね」",
            "めぐみ「よろしくね。わたしは、めぐみ」",
        };
        say(fill("「%1」・・・・へぇ、%2"_sj, {name, sjis(remarks[R(4)])}));
    }
    showPlayButtons();
}

// ＹＥＳ. The price of an offer or a toll is minus offerCoins.
void TForm1::BitBtn1Click()
{
    playCue(2, "6.wav");
    select_box->hide();
    hidePlayButtons();   // through the answer's lines nothing else can be done
    const int price = -offerCoins;
    switch (pendingQuestion) {
    case 1:
        say("つよさが+3された"_sj);
        addTo(my.soulSword, 3);
        break;
    case 2:
        say("最大魂が +10された"_sj);
        addTo(my.maxSoul, 10);
        break;
    case 3:
    case 4:
        say("最大魂が -1された"_sj);
        addTo(my.maxSoul, -1);
        break;
    case 5:
        if (my.coins < price) {
            say("おいおい、冗談はよすんだな"_sj);
            break;
        }
        say(fill("【%1】を入手した"_sj, {at(itemTable, offerItem).name}));
        addTo(at(my.itemCount, offerItem), 1);
        rebuildItemList();
        addTo(my.coins, -int64_t(price));
        break;
    case 7:
        say("アハハ、やっぱりな"_sj);
        guardianFight();
        return;
    case 8:
        if (my.coins < price) {
            say("金貨が足りませんでした"_sj);
            break;
        }
        playCue(2, "life.wav");
        say("魂が回復した"_sj);
        my.soul = my.maxSoul;
        addTo(my.coins, -int64_t(price));
        addTo(my.deathEnergy, 30);
        say("死のエネルギーが 30回復した"_sj);
        break;
    case 9:
        typeLine("はい、セーブ完了だよ"_sj);
        if (!saveGameOrReport())
            break;   // nothing was saved: no thanks either, but the soul walks on
        waitForClick();
        changeKarma(-1);
        break;
    case 10:
        if (my.coins < price) {
            say("足りないぞ････ぐわらあああ!!"_sj);
            ambush();
            return;
        }
        addTo(my.coins, -int64_t(price));
        say("ふふん、それでいい････"_sj);
        break;
    case 11:
        say(fill("ありがと....%1クン...."_sj, {my.playerName}));
        changeKarma(-2);
        break;
    case 12:
        returnToMap();   // the world map has no play buttons
        return;
    }
    showPlayButtons();
}

// ＮＯ.
void TForm1::BitBtn2Click()
{
    playCue(2, "6.wav");
    select_box->hide();
    hidePlayButtons();
    switch (pendingQuestion) {
    case 1:
        say("「そっか」"_sj);
        break;
    case 2:
        say("「あっそう」"_sj);
        break;
    case 3:
    case 4:
        my.eventFlag[2] = 0;
        say("「おまえは死者としてふさわしくないようだ」"_sj);
        break;
    case 5:
        say("オーケイそーゆー日もあるさ"_sj);
        break;
    case 7:
        say("・・・・（泣いている）"_sj);
        guardianFight();
        return;
    case 8:
        say("........"_sj);
        break;
    case 9:
        say("あれ、大丈夫？これを上げる"_sj);
        addTo(my.deathEnergy, 10);
        say("死のエネルギーが 10回復した"_sj);
        say("気をつけてね"_sj);
        break;
    case 10:
        say("オレ様を甘くみた罰を受けるがいい････!!"_sj);
        ambush();
        return;
    case 11:
        say(fill("....%1クン、行かないで!!"_sj, {my.playerName}));
        changeKarma(2);
        break;
    case 12:
        say("大丈夫？これを上げる"_sj);
        addTo(my.deathEnergy, 10);
        say("死のエネルギーが 10回復した"_sj);
        break;
    }
    showPlayButtons();
}
