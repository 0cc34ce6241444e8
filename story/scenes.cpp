// Who a step meets in each area: one draw, one row of the area's table.
#include "story/scenes.h"

#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "story/stories.h"
#include "ui/message.h"
#include "ui/play_buttons.h"

namespace {

// The soul's numbers in 64 bits: a strength worked out from them cannot
// run round, whatever a save holds.
struct Soul {
    int64_t soul, maxSoul, consciousness, soulSword, soulArmor, deathEnergy, coins;
};
Soul soul() { return {my.soul, my.maxSoul, my.consciousness, my.soulSword, my.soulArmor, my.deathEnergy, my.coins}; }

// The judgement gate.
void gate(int r)
{
    switch (r) {
    case 0:
        return megumiAtTheGate();
    case 1:
        return nagukuAtTheGate();
    case 3:
        return gaigaruAtTheGate();
    case 4:
        return hirokoAtTheGate();
    case 5:
        return pedoAtTheGate();
    case 6:
        return witchAtTheGate();
    case 7:
        swordGhost(5, 0, {"霊人「……剣ヲ……抜ケ……」", "霊人「斬ルコトシカ……モウ……覚エテイナイ……!!」"});
        return ambush();
    case 8:
    case 9:
        return totoAtTheGate();
    case 10:
        return redSwordAtTheGate();
    case 11:
        wisp(1, 0, {"ヒトダマ「……ここ、どこ？……さむいよ……」", "ヒトダマ「なまえ……なんだっけ……おもいだせない……」"});
        return walkOn();
    }
    walkOn();
}

// The castle of trials.
void castle(int r)
{
    const Soul m = soul();
    switch (r) {
    case 0:
        return jiyuInTheCastle();
    case 1:
        wisp(m.consciousness + 1, 0, {"ヒトダマ「しれん……まだ……おわらない……」", "ヒトダマ「ずっと……なにかを……ふってた……なにを？」"});
        return walkOn();
    case 2:
        grudge(Grudge::loneliness, 7, 19, 0);
        return attack();
    case 3:
        grudge(Grudge::envy, m.consciousness + 6, 20, 0);
        return attack();
    case 4:
        grudge(Grudge::despair, m.consciousness + 8, 21, 0);
        return walkOn();
    }
    walkOn();
}

// The emerald gate.
void emeraldGate(int r)
{
    const Soul m = soul();
    switch (r) {
    case 0:
        return yokoAtTheEmeraldGate();
    case 1:
        return merchant();
    case 2:
        return adaAtTheEmeraldGate();
    case 3:
        swordGhost(m.consciousness + m.soulSword + 8, 0, {"霊人「門ハ……通サヌ……」", "霊人「ナゼ通サヌノカ……モウ……忘レタ……!!」"});
        return attack();
    case 4:
        grudge(Grudge::loneliness, 7, 19, 0);
        return attack();
    case 5:
        grudge(Grudge::envy, m.consciousness + 6, 20, 0);
        return attack();
    case 6:
        grudge(Grudge::despair, m.consciousness + m.soulSword + 8, 21, 0);
        return walkOn();
    }
    walkOn();
}

// シキハキ街, the merchants' town.
void town(int r)
{
    const Soul m = soul();
    switch (r) {
    case 1:
        return redSwordInTown();
    case 2:
        wisp(m.consciousness + 2, 2, {"ヒトダマ「キラキラ……それ……ちょうだい……!!」"});
        return attack();
    case 3:
        swordGhost(8, 0, {"霊人「……買イ物カ……イイナ……」", "霊人「オレニハ……モウ……欲シイモノモ……ナイ……」"});
        return walkOn();
    case 4:
        return witchInTown();
    case 5:
        return yokoInTown();
    case 6:
        grudge(Grudge::loneliness, m.consciousness + 3, 19, 0);
        return attack();
    case 7:   // never drawn: the town's R(7) stops at 6
        return pressureToll();
    }
    walkOn();
}

// The purple field.
void field(int r)
{
    const Soul m = soul();
    switch (r) {
    case 0:
        return megumiInTheField();
    case 1:
        return nagukuInTheField();
    case 2:
        wisp(m.consciousness + 3, 2, {"ヒトダマ「むらさき……むらさき……いっしょに……とけよう……!!」"});
        return attack();
    case 3:
        return gaigaruInTheField();
    case 4:
        return witchInTheField();
    case 6:
        grudge(Grudge::loneliness, m.consciousness + 4, 19, 0);
        return attack();
    }
    walkOn();
}

// The tower.
void tower(int r)
{
    const Soul m = soul();
    switch (r) {
    case 0:
        return yokoInTheTower();
    case 1:
        return merchant();
    case 2:
        swordGhost(m.soulSword + m.soulArmor + 15, 0, {"霊人「上ヘ……登ルナ……」", "霊人「登ッタ者ハ……誰モ……戻ラナイ……!!」"});
        return attack();
    case 3:
        grudge(Grudge::loneliness, 8, 19, 0);
        return attack();
    case 4:
        grudge(Grudge::envy, m.consciousness + m.soulSword + 7, 20, 0);
        return attack();
    case 5:
        grudge(Grudge::despair, m.consciousness + m.soulSword + m.soulArmor + 9, 21, 0);
        return walkOn();
    case 6:
        wisp(m.maxSoul + 3, 4, {"ヒトダマ「うえに……いかせない……!!」"});
        return attack();
    }
    walkOn();
}

// The mirage of the demon king's castle (6) and the pillars of heaven's
// scales (7): the same but for who haunts them.
void mirage(int area, int r)
{
    const Soul m = soul();
    switch (r) {
    case 0: {
        const int64_t strength = R(m.soul) + m.consciousness + m.soulSword + m.soulArmor + 5;
        if (area == 6) {
            const int special = R(2) == 0 ? 1 : 0;
            return areaSpirit(devil, strength, special, -1, "悪魔「ククク……闇に惹かれて来たか。その魂、いただこう!!」");
        }
        const int special = R(2) == 0 ? 2 : 0;
        return areaSpirit(angel, strength, special, 1, "天使「光に憧れる魂よ。その穢れ、ここで祓ってさしあげましょう!!」");
    }
    case 1:
        wisp(m.consciousness + 1, 0, {"ヒトダマ「……ここ……まぶしいの？……くらいの？」", "ヒトダマ「もう……わからないや……」"});
        return walkOn();
    case 2:
        grudge(Grudge::loneliness, m.soulSword + m.soulArmor + 8, 19, 0);
        return attack();
    case 3:
        grudge(Grudge::envy, m.consciousness + 9, 20, 0);
        return attack();
    case 4:
        grudge(Grudge::despair, m.consciousness + 10, 21, 0);
        return walkOn();
    }
    walkOn();
}

// The faces of the judgement gate, met again beyond it (draws 7 and up of
// area 10).
void faces(int r)
{
    const Soul m = soul();
    switch (r) {
    case 7:
        return megumiBeyond();
    case 8:
        return nagukuBeyond();
    case 9:
        return gaigaruBeyond();
    case 10:
        return hirokoBeyond();
    case 11:
        return pedoBeyond();
    case 12:
        return witchBeyond();
    case 13:
        return totoBeyond();
    case 14:
        return redSwordBeyond();
    case 15:
        return exeBeyond();
    case 16:
        grudge(Grudge::evil, m.soul + 8, randomNamedItem(), -1);
        return attack();
    case 17:
        grudge(Grudge::holy, m.consciousness + m.soulSword + 7, randomNamedItem(), 1);
        return attack();
    case 18: {
        const int64_t strength = R(10) + m.consciousness + m.soulSword + m.soulArmor + 1;
        grudge(Grudge::nothing, strength, randomNamedItem(), 0);
        return walkOn();
    }
    }
    walkOn();
}

// The administrators' hall (9) and beyond the judgement gate (10): the same
// wanderers, and in the hall エグゼ keeps watch.
void hallOrBeyond(int area, int r)
{
    const Soul m = soul();
    const bool hall = area == 9;
    switch (r) {
    case 0:
        return hall ? exeInTheHall() : exeBeyondSilent();
    case 1:
        return merchant();
    case 2:
        swordGhost(m.soulSword + m.soulArmor + 15, randomNamedItem(),
                   hall ? Lines{"霊人「管理者達ノ……命令ダ……」", "霊人「扉ニ……近ヅク者ハ……消ス……!!」"}
                        : Lines{"霊人「量ラレテモ……マダ……戦ウ……」", "霊人「終ワラナイ……終ワレナイ……!!」"});
        return attack();
    case 3:
        grudge(Grudge::loneliness, 8, 19, 0);
        return attack();
    case 4:
        grudge(Grudge::envy, m.consciousness + m.soulSword + 7, 20, 0);
        return attack();
    case 5:
        grudge(Grudge::despair, m.consciousness + m.soulSword + m.soulArmor + 9, 21, 0);
        return walkOn();
    case 6:
        wisp(m.maxSoul + 3, randomNamedItem(),
             {hall ? "ヒトダマ「とびらの……むこう……みちゃ……だめ……!!」" : "ヒトダマ「……さばかれた……？……ずるい……!!」"});
        return attack();
    }
    if (hall)
        return walkOn();
    faces(r);
}

// The depths below the holes.
void depths(int r)
{
    const Soul m = soul();
    switch (r) {
    case 0: {
        const int64_t strength = R(saturate(m.soul + 5)) + m.consciousness + m.soulSword + m.soulArmor + 1;
        const int special = R(2) == 0 ? 3 : 0;
        return areaSpirit(neutralSpirit, strength, special, -1, "無属性霊体「ワタシハ……ナニモノデモナイ。ダカラ、オマエヲ映ス……」");
    }
    case 1:
        wisp(m.consciousness + 1, 0,
             {"ヒトダマ「……ここは……そこ……いちばんの……そこ……」", "ヒトダマ「わすれられたら……みんな……ここに……おちてくるの……」"});
        return walkOn();
    case 2:
        grudge(Grudge::loneliness, m.soulSword + m.soulArmor + 8, 19, 0);
        return attack();
    case 3:
        grudge(Grudge::envy, m.consciousness + 9, 20, 0);
        return attack();
    case 4:
        grudge(Grudge::despair, m.consciousness + 10, 21, 0);
        return walkOn();
    case 5: {
        const int64_t strength = R(10) + m.consciousness + m.soulSword + m.soulArmor + 1;
        grudge(Grudge::nothing, strength, randomNamedItem(), 0);
        return walkOn();
    }
    case 6:
        return exeInTheDepths();
    }
    walkOn();
}

// The witch's hut (12) and the cave (13), where the old grudges gather.
void hutOrCave(int area, int r)
{
    const Soul m = soul();
    switch (r) {
    case 0:
        if (area == 12)
            return witchAtHome();
        break;
    case 1:
        grudge(Grudge::falseCharge, R(5) + m.consciousness, 109, 0);
        return attack();
    case 2:
        grudge(Grudge::friendship, R(m.deathEnergy) + 1, 110, 1);
        return attack();
    case 3:
        grudge(Grudge::bloodRain, R(m.coins) + 1, 111, -1);
        return attack();
    case 4:
        if (area == 13) {
            grudge(Grudge::flash, R(m.maxSoul) + 1, 112, -1);
            return attack();
        }
        break;
    case 5:
        if (area == 13) {
            grudge(Grudge::stardust, 2 * (m.consciousness + m.soulSword + m.soulArmor), 113, -1);
            return attack();
        }
        break;
    }
    walkOn();
}

// How many draws each area's table has (0: nobody to meet).
int drawsIn(int area)
{
    static const int draws[14] = {12, 9, 9, 7, 7, 9, 9, 9, 0, 9, 19, 9, 7, 7};
    return area >= 0 && area < 14 ? draws[area] : 0;
}

} // namespace

void playAreaScene(int area, int r)
{
    switch (area) {
    case 0:
        return gate(r);
    case 1:
        return castle(r);
    case 2:
        return emeraldGate(r);
    case 3:
        return town(r);
    case 4:
        return field(r);
    case 5:
        return tower(r);
    case 6:
    case 7:
        return mirage(area, r);
    case 9:
    case 10:
        return hallOrBeyond(area, r);
    case 11:
        return depths(r);
    case 12:
    case 13:
        return hutOrCave(area, r);
    }
    walkOn();
}

void PlayCharacterScene()
{
    hidePlayButtons();
    const int n = drawsIn(my.currentArea);
    if (n == 0)
        return walkOn();
    playAreaScene(my.currentArea, R(n));
}
