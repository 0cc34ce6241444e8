#include "ui/status.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/sound.h"

namespace {

struct Band {
    int low, high;
    const char* name;
    QColor colour;
};

const Band bands[] = {
    {-99, -22, "魔王", {255, 0, 0}},     {-21, -18, "大悪魔", {255, 0, 128}}, {-17, -16, "小悪魔", {255, 0, 128}},
    {-15, -14, "妖魔", {255, 0, 128}},   {-13, -12, "魔", {255, 0, 255}},     {-11, -10, "大悪", {255, 0, 255}},
    {-9, -8, "悪", {189, 68, 255}},      {-7, -5, "小悪", {152, 96, 255}},    {-4, -2, "微悪", {96, 168, 255}},
    {-1, 1, "無", {0, 255, 255}},        {2, 4, "微善", {2, 253, 171}},       {5, 7, "小善", {0, 255, 128}},
    {8, 9, "善", {2, 253, 65}},          {10, 11, "大善", {140, 255, 0}},     {12, 13, "聖", {204, 255, 0}},
    {14, 15, "聖太", {204, 255, 0}},     {16, 17, "小天使", {255, 255, 128}}, {18, 21, "大天使", {192, 192, 192}},
    {22, 99, "神", {255, 255, 255}},
};

// Karma is never clamped; beyond the bands it shows as the outermost one.
const Band* bandOf(int karma)
{
    karma = std::clamp(karma, -99, 99);
    for (const Band& b : bands)
        if (karma >= b.low && karma <= b.high)
            return &b;
    return nullptr;
}

const char* const difficultyNames[4] = {"[EASY]", "[NOMAL]", "[HARD]", "[EXTREAM]"};

} // namespace

std::string karmaName(int karma)
{
    return fill("【%1】"_sj, {sjis(bandOf(karma)->name)});
}

void refreshStatus()
{
    TForm1& f = *Form1;
    const bool onMap = my.currentArea == -1;
    const bool hidden = my.difficulty == 3;
    const int length = onMap || my.currentArea < 0 || my.currentArea > 98 ? 0 : areaTable[my.currentArea].length;
    const std::string area = onMap ? "ＭＡＰ"_sj
                           : fill("【%1】"_sj, {my.currentArea >= 0 && my.currentArea <= 98 ? areaTable[my.currentArea].name
                                                                                          : std::string()});
    const std::string soulText = hidden ? "?\?/?\?" : num(my.soul) + "/" + num(my.maxSoul);
    const std::string energyText = hidden ? "?\?\?" : num(my.deathEnergy);
    std::string marks;
    if (my.statusFaith >= 1)
        marks += "【信】"_sj;
    if (my.statusGrudge >= 1)
        marks += "【怨】"_sj;
    if (my.statusPoison >= 1)
        marks += "【毒】"_sj;
    if (my.statusHeal >= 1)
        marks += "【癒】"_sj;

    f.state_l->setCaption(area + "\r" + fill("きょり：%1Km/%2"_sj, {num(my.distance), num(length)}) + "\r" +
                          fill("意識：%1%2"_sj, {num(my.consciousness), marks}) + "\r" +
                          fill("記憶：%1/%2"_sj, {num(my.memory), num(int64_t(my.consciousness) * 20 + 100)}) +
                          "\r\r" + fill("  魂：%1"_sj, {soulText}) + "\r" +
                          fill("  剣：△%1 鎧：▽%2"_sj, {num(my.soulSword), num(my.soulArmor)}));
    f.state_l0->setCaption(fill("死のエネルギー:%1∽\r個体スコア：%2pt. (Rank1:%3pt.)"_sj,
                                {energyText, num(my.score), num(my.rankScore[1])}));
    if (my.difficulty >= 0 && my.difficulty <= 3)
        f.nanido_l->setCaption(difficultyNames[my.difficulty]);
    f.carma_l->setFontColor(bandOf(my.karma)->colour);
    f.carma_l->setCaption(karmaName(my.karma));
    f.state_l2->setCaption(fill("金貨：%1枚"_sj, {num(my.coins)}));
    f.e_hp_l->setCaption(inBattle == 1 ? " hp:" + num(enemyHp) + " / " + num(enemyMaxHp) : std::string());
    const QString title = displayText(
        fill("★%1 ∽消費:%2 Try:%3"_sj, {my.playerName, num(my.energySpent), num(my.tryCount)}));
    if (f.windowTitle() != title)
        f.setWindowTitle(title);

    auto ranged = [] { return std::tuple(my.soul, my.maxSoul, my.consciousness, my.soulSword, my.soulArmor); };
    const auto before = ranged();
    if (my.soul > my.maxSoul)
        my.soul = my.maxSoul;
    if (my.maxSoul < 1)
        my.maxSoul = 1;
    if (my.consciousness < 0)
        my.consciousness = 0;
    if (my.soulSword < 0)
        my.soulSword = 0;
    if (my.soulArmor < 0)
        my.soulArmor = 0;
    if (my.soul < 0)
        my.soul = 0;
    if (ranged() != before)
        noteActivity();   // what was pulled back into range shows on the next tick

    TImage* itemButton = visible(f.store_box) ? f.sell_b : f.item_b;
    itemButton->setVisible(selectedItem != -1);
}

void awardScore(int points)
{
    // Worked out in 64 bits from a 32-bit start: a saved difficulty or
    // karma may be any number.
    int64_t a = saturate(int64_t(points) * (int64_t(my.difficulty) + 1));
    switch (my.currentArea) {
    case 0: a += a / 4; break;
    case 1: a += a / 10; break;
    case 2: a += a / 6; break;
    case 3: a -= a / 5; break;
    case 5: a += a / 5; break;
    case 6:
    case 7: a += a / 2; break;
    }
    const int64_t k = std::abs(int64_t(my.karma));
    if (k >= 5)
        a += a / 10 + 1;
    if (k >= 10)
        a += a / 5 + 2;
    if (k >= 15)
        a += a / 4 + 3;
    if (k >= 20)
        a += a / 3 + 4;
    a = saturate(a + std::min(my.tryCount, 10));
    if (a <= 0)
        return;
    addTo(my.score, a);
    playCue(0, "score.wav");
    Form1->score_add_l->setCaption(Form1->score_add_l->caption() + "     +" + num(a));
}

void changeKarma(int64_t amount)
{
    addTo(my.karma, -amount);
    if (amount < 0) {
        playCue(0, "carma_up.wav");
        Form1->score_add_l->setCaption(Form1->score_add_l->caption() + fill("     ｶﾙﾏ ↑%1%"_sj, {num(-amount)}));
    } else if (amount > 0) {
        playCue(0, "carma_down.wav");
        Form1->score_add_l->setCaption(Form1->score_add_l->caption() + fill("     ｶﾙﾏ ↓%1%"_sj, {num(amount)}));
    }
}

void TForm1::Timer4Timer()
{
    cry_l->maxValue = 300;
    cry_l->progress = my.deathEnergy;
    hp_l->maxValue = my.maxSoul;
    hp_l->progress = my.soul;
    if (++pulseTick >= 99)
        pulseTick = 0;
    static const QColor normal[10] = {{0, 255, 255}, {0, 225, 225}, {0, 191, 191}, {0, 147, 147}, {0, 94, 94},
                                      {0, 51, 51},   {0, 94, 94},   {0, 147, 147}, {0, 191, 191}, {0, 225, 225}};
    static const QColor warning[10] = {{0, 255, 255},  {125, 104, 247}, {179, 104, 247}, {249, 47, 249},
                                       {255, 17, 113}, {247, 0, 6},     {255, 17, 113},  {249, 47, 249},
                                       {179, 104, 247}, {125, 104, 247}};
    const int p = pulseTick % 10;
    cry_l->foreColor = my.deathEnergy <= 20 ? warning[p] : normal[p];
    hp_l->foreColor = my.soul < my.maxSoul / 4 + 1 ? warning[p] : normal[p];
    if (!visible(start_box)) {   // under the title they are not seen
        cry_l->update();
        hp_l->update();
    }
    if (visible(select_box))
        battle_b->hide();
    battle_b2->setVisible(soulSwordReleased == 1 && visible(battle_b) && pulseTick % 2 == 0);
}

void TForm1::Timer3Timer()
{
    const std::string text = score_add_l->caption();
    if (text.empty())
        return;
    // Taking the first byte of a two-byte character leaves its second half
    // at the start: that half is not drawn.
    const bool cut = score_add_l->hiddenBytes() == 0 && isLeadByte(text[0]);
    score_add_l->setCaption(text.substr(1));
    score_add_l->setHiddenBytes(cut ? 1 : 0);
}
