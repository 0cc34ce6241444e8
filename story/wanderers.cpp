// Those met anywhere: the wisps of souls that lost themselves, the sword
// ghosts, the grudges, the merchant, and the spirits of the far places.
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "story/stories.h"
#include "ui/message.h"

void wisp(int64_t strength, int item, const Lines& lines)
{
    meet(hitodama, strength, item, 0);
    sayLines(lines);
}

void swordGhost(int64_t strength, int item, const Lines& lines)
{
    meet(reijin, strength, item, 0);
    sayLines(lines);
}

void grudge(Grudge g, int64_t strength, int item, int alignment)
{
    // A grudge is named after the feeling that ate it, and speaks only of it.
    static const char* const lines[] = {
        "孤独のクグワ「ダレモ……イナイ……オマエモ……ヒトリニ……ナレ……!!」",
        "妬みのクグワ「ソノ魂……キレイ……ズルイ……ヨコセ……!!」",
        "絶望のクグワ「ナニヲシテモ……ムダ……ムダ……ムダ……」",
        "魔のクグワ「闇ニ……堕チロ……オマエモ……コッチヘ……!!」",
        "聖のクグワ「穢レタ魂ハ……浄メネバ……ナラヌ……!!」",
        "無のクグワ「ナニモ……ナイ……ナニモ……カンジナイ……」",
        "冤罪のクグワ「ヤッテナイ……オレハ……ヤッテナイ……!!」",
        "友情のクグワ「トモダチ……ダロ……？ズット……イッショ……ダロ……!!」",
        "血雨のクグワ「アカイ……アメガ……ヤマナイ……カネヲ……ヨコセ……!!」",
        "閃光のクグワ「マブシイ……アノ日ノ……ヒカリガ……キエナイ……!!」",
        "星屑のクグワ「ホシニ……ナリタカッタ……ナレナカッタ……!!」",
    };
    meet(kuguwa, strength, item, alignment);
    sayLines({lines[int(g)]});
}

void merchant()
{
    const int strength = saturate(int64_t(R(my.consciousness)) + my.coins + my.soulSword + 55);
    const int item = randomNamedItem();
    meet(sigma, strength, item, 1);
    const titem& offer = at(itemTable, item);
    const int value = offer.value > 0 ? offer.value : 3;
    const int price = saturate(int64_t(R(my.coins)) + R(value));
    say(fill("シグマ「【%1】なんてどうだい？金貨%2枚でどう？"_sj, {offer.name, num(price)}));
    ask(5);
    offerItem = item;
    offerCoins = -price;
}

void areaSpirit(const Cast& who, int64_t strength, int special, int alignment, const char* line)
{
    enemySpecial = special;
    meet(who, strength, randomNamedItem(), alignment);
    sayLines({line});
    attack();
}

void pressureToll()
{
    meet(kuguwa, int64_t(my.maxSoul) + my.consciousness, 72, -2);
    sayLines({"圧力のクグワ「オモイ……オモイゾ……」", "圧力のクグワ「コノ重サ……オマエニモ……ワケテヤル……」"});
    const int toll = my.coins / 2 + 1;
    say(fill("ここを通りたくば、金貨 %1枚を渡せ...."_sj, {num(toll)}));
    ask(10);
    offerCoins = -toll;
}
