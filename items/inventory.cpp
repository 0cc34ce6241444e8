// The inventory list and using items.
#include "items/inventory.h"

#include <algorithm>

#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/shop.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/status.h"
#include "ui/transitions.h"

void rebuildItemList()
{
    TListBox* list = Form1->item_list;
    list->clear();
    list->setCurrentRow(-1);
    selectedItem = -1;
    for (int id = 0; id < 256; ++id)
        if (my.itemCount[id] >= 1)
            list->addItem(itemTable[id].name);
}

void takeSelectedItem()
{
    int32_t& held = at(my.itemCount, selectedItem);
    addTo(held, -1);
    if (held <= 0) {
        selectedItem = -1;
        Form1->item_list->setItemText(Form1->item_list->currentRow(), {});
    }
}

namespace {

// What an item says when it has nothing to work on.
const std::string& crumbled() { return "なにも起きずに砕けた"_sj; }

// The selected item's name and count, its sale price while the shop is
// open, and what it is.
void describeItem()
{
    if (selectedItem == -1)
        return;
    TForm1& f = *Form1;
    const titem& item = at(itemTable, selectedItem);
    std::string text = fill("%1 > %2個\r"_sj, {item.name, num(at(my.itemCount, selectedItem))});
    if (visible(f.store_box))
        text += fill("売価:金貨 %1枚\r"_sj, {num(salePrice(selectedItem))});
    f.item_l_box->show();
    f.item_l->setFontPx(9);
    f.item_l->setCaption(text + item.description);
}

// Holy karma blesses a healing, dark karma an attack: one more point for
// each of the three thresholds passed, with chance 1/5 each.
int blessing(int64_t karma)
{
    int n = 0;
    for (int threshold : {5, 10, 15})
        if (karma > threshold && R(5) == 0)
            ++n;
    return n;
}

// EASY strengthens restoring items by one, EXTREAM weakens them by one.
int difficultyBonus() { return my.difficulty == 0 ? 1 : my.difficulty == 3 ? -1 : 0; }

// An attack item strikes only where it is allowed to (an enemy being
// fought, of the right side); otherwise it crumbles, saying so.
bool strikes(bool allowed)
{
    if (!allowed) {
        showItemNote(crumbled());
        return false;
    }
    drawGoldLightning();
    playCue(1, "item_e.wav");
    return true;
}

// One of the selected item does its work and shows its result. False when
// it could not, and stays in hand: a save that failed.
bool useSelectedItem()
{
    const titem& item = at(itemTable, selectedItem);
    const int v = item.value;
    const bool fighting = inBattle == 1;
    switch (item.kind) {
    case 0: {
        const int n = saturate(int64_t(v) + blessing(my.karma) + difficultyBonus());
        addTo(my.soul, n);
        showItemNote(fill("魂が%1回復した"_sj, {num(n)}));
        break;
    }
    case 1:
        addTo(my.maxSoul, v / 30);
        showItemNote(fill("最大魂が%1増えた"_sj, {num(v / 30)}));
        break;
    case 2:
        addTo(my.soulSword, v / 30);
        showItemNote(fill("魂の剣が%1増えた"_sj, {num(v / 30)}));
        break;
    case 3:
        my.consciousness = saturate(std::max<int64_t>(0, int64_t(my.consciousness) + v));
        showItemNote(fill("意識が%1増えた"_sj, {num(v)}));
        break;
    case 4:
        my.memory = saturate(std::max<int64_t>(0, int64_t(my.memory) + v));
        showItemNote(fill("記憶が%1増えた"_sj, {num(v)}));
        break;
    case 5:
        if (fighting) {
            showItemNote(crumbled());
            break;
        }
        my.distance = saturate(std::max<int64_t>(0, int64_t(my.distance) + v));
        showItemNote(fill("距離が%1進んだ"_sj, {num(v)}));
        break;
    case 6:
        if (my.areaClears[0] == 0) {
            showItemNote(crumbled());
            break;
        }
        // Used in a fight it is an escape: the fight ends here, so that no
        // turn is ever played against an enemy that is gone.
        inBattle = guardianBattle = enemySpecial = 0;
        returnToMap();
        break;
    case 7:
        showItemNote("セーブしました"_sj);
        if (!saveGameOrReport()) {
            Form1->item_l_box->hide();
            return false;
        }
        break;
    case 8:
        if (strikes(fighting)) {
            const int n = saturate(int64_t(v) + blessing(-int64_t(my.karma)));
            addTo(enemyHp, -int64_t(n));
            showItemNote(fill("敵に%1ダメージ与えた!!"_sj, {num(n)}));
        }
        break;
    case 9: {
        const int n = saturate(int64_t(v) + difficultyBonus());
        addTo(my.deathEnergy, n);
        showItemNote(fill("死のエネルギーが%1回復した"_sj, {num(n)}));
        break;
    }
    case 10:
        awardScore(v);
        showItemNote(fill("天より認められ、個体スコアが%1上昇した"_sj, {num(v)}));
        break;
    case 11:
        addTo(my.soulArmor, v / 30);
        showItemNote(fill("魂の鎧が%1増えた"_sj, {num(v / 30)}));
        break;
    case 12:
        playCue(1, "coin.wav");
        addTo(my.coins, v);
        showItemNote(fill("金貨が %1増えた"_sj, {num(v)}));
        break;
    case 13:
        playCue(1, v < 0 ? "carma_down.wav" : "carma_up.wav");
        changeKarma(-int64_t(v));
        showItemNote(fill("魂に変調が....カルマ %1"_sj, {num(v)}));
        break;
    case 14:
        addTo(my.soulSword, -1);
        addTo(my.deathEnergy, v);
        showItemNote(fill("魂の剣が 1下がり、死のエネルギーが %1上昇した!!"_sj, {num(v)}));
        break;
    case 15:
        addTo(my.soulArmor, -1);
        addTo(my.deathEnergy, v);
        showItemNote(fill("魂の鎧が 1下がり、死のエネルギーが %1上昇した!!"_sj, {num(v)}));
        break;
    case 16:
        addTo(my.deathEnergy, -int64_t(v));
        addTo(my.soul, v / 4);
        showItemNote(fill("死のエネルギーが %1減少し、魂が %2回復した!!"_sj, {num(v), num(v / 4)}));
        break;
    case 17:
        addTo(my.soulSword, 1);
        addTo(my.deathEnergy, -int64_t(v));
        showItemNote(fill("死のエネルギーが %1減少し、魂の剣が 1上昇した!!"_sj, {num(v)}));
        break;
    case 18:
    case 19: {
        // The underworld tilts to the dark (area 6's gate) or the holy side
        // (area 7's), once.
        int& gate = my.areaClears[item.kind == 18 ? 6 : 7];
        if (gate != 0) {
            showItemNote("何も起こらずアイテムは朽ち果てた...."_sj);
            break;
        }
        gate = 1;
        showItemNote(item.kind == 18 ? "この冥界全体が暗黒面に傾いたようだ...."_sj
                                     : "この冥界全体が神聖面に傾いたようだ...."_sj);
        break;
    }
    case 20:
    case 21: {
        // Soothing to one side of the karma, hurting to the other.
        const bool soothes = item.kind == 20 ? my.karma >= 0 : my.karma <= 0;
        addTo(my.soul, soothes ? v : -int64_t(v));
        showItemNote(fill(soothes ? "魂が%1回復した"_sj : "魂が%1減少した"_sj, {num(v)}));
        break;
    }
    case 22:
        addTo(my.deathEnergy, v);
        changeKarma(1);
        showItemNote(fill("死のエネルギーが %1回復した"_sj, {num(v)}));
        break;
    case 23:
        addTo(my.soul, v);
        changeKarma(-1);
        showItemNote(fill("魂が %1回復した"_sj, {num(v)}));
        break;
    case 24:
        showItemNote("何も起こらずアイテムは砕けた...."_sj);
        break;
    case 25:
        if (strikes(fighting)) {
            addTo(my.deathEnergy, -5 * int64_t(v));
            addTo(enemyHp, -int64_t(v));
            showItemNote(fill("敵に%1ダメージ与え、死のエネルギーを %2ロストした"_sj, {num(v), num(5 * int64_t(v))}));
        }
        break;
    case 26: {
        const int n = v / 100;
        addTo(my.soulSword, n);
        addTo(my.soulArmor, n);
        addTo(my.maxSoul, n);
        showItemNote(fill("最大魂、魂の剣、魂の鎧が全て %1ずつ増えた"_sj, {num(n)}));
        break;
    }
    case 27:
        soulSwordReleased = 1;
        showItemNote("魂の剣の力が一時的に解放された....!!"_sj);
        break;
    case 28:
        my.statusHeal = 1;
        showItemNote("【癒】化した....!!"_sj);
        break;
    case 29:
        my.statusPoison = 1;
        showItemNote("【毒】化した....!!"_sj);
        break;
    case 30:
        my.statusFaith = 1;
        showItemNote("【信】化した....!!"_sj);
        break;
    case 31:
        my.statusGrudge = 1;
        showItemNote("【怨】化した....!!"_sj);
        break;
    case 32:
        if (strikes(fighting)) {
            const int n = my.coins;
            my.coins = 0;
            addTo(enemyHp, -int64_t(n));
            showItemNote(fill("敵に%1ダメージ与え、金貨を全てロストした"_sj, {num(n)}));
        }
        break;
    case 33:
        if (strikes(fighting)) {
            const int n = my.memory / 10;
            my.memory = 0;
            addTo(enemyHp, -int64_t(n));
            showItemNote(fill("敵に%1ダメージ与え、記憶を全てロストした"_sj, {num(n)}));
        }
        break;
    case 34:
        if (strikes(fighting)) {
            const int n = saturate(int64_t(my.maxSoul) - my.soul);
            addTo(enemyHp, -int64_t(n));
            showItemNote(fill("敵に%1ダメージ与えた"_sj, {num(n)}));
        }
        break;
    case 35:
    case 36:
        // Charms against one side only: dark enemies (35) or holy ones (36).
        if (strikes(fighting && (item.kind == 35 ? enemyAlignment < 0 : enemyAlignment > 0))) {
            addTo(enemyHp, -int64_t(v));
            showItemNote(fill("敵に%1ダメージ与えた"_sj, {num(v)}));
        }
        break;
    }
    return true;
}

} // namespace

void TForm1::item_listMouseDown()
{
    if (visible(Form2) || visible(map_box))
        return;
    playCue(1, "list.wav");
    const std::string name = item_list->itemText(item_list->currentRow());
    if (name.empty()) {
        selectedItem = -1;
        item_l_box->hide();
        item_l->setCaption({});
        return;
    }
    // Found by name: of two items of one name, the later id.
    selectedItem = -1;
    for (int id = 0; id < 256; ++id)
        if (itemTable[id].name == name)
            selectedItem = id;
    describeItem();
}

void TForm1::item_bClick()
{
    if (visible(Form2) || visible(map_box))
        return;
    item_l_box->hide();
    if (selectedItem == -1) {
        playCue(0, "no.wav");
        return;
    }
    playCue(0, "item.wav");
    if (useSelectedItem())
        takeSelectedItem();
}
