// The shop: offers bought for gold or for sealed coins, and items sold for
// gold.
#include "items/shop.h"

#include <algorithm>

#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/play_buttons.h"
#include "ui/sound.h"
#include "ui/transitions.h"

namespace {

constexpr int sealedCoin = 105;

// Gold asked for an item: value / 5 + 1 (2 when that is not positive),
// dearer above EASY.
int goldPrice(int id)
{
    int p = at(itemTable, id).value / 5 + 1;
    if (p <= 0)
        p = 2;
    switch (my.difficulty) {
    case 1: return p + 1;
    case 2: return p + 3;
    case 3: return p + 5;
    default: return p;
    }
}

// The selected offer: its name, how many are held, its price, what it is.
void describeOffer()
{
    const titem& item = at(itemTable, shopSelected);
    const std::string price =
        shopMode == 0 ? fill("価格 > 金貨 %1枚"_sj, {num(goldPrice(shopSelected))}) : "価格 > 封印金貨 1枚"_sj;
    Form1->store_about_l->setCaption(item.name + "\r" + fill("所持 > %1個\r"_sj, {num(at(my.itemCount, shopSelected))}) +
                                     price + "\r\r" + item.description);
}

} // namespace

int salePrice(int id) { return std::max(1, at(itemTable, id).value / 10 + 1); }

void openShop(int mode, int count)
{
    TForm1& f = *Form1;
    shopMode = mode;
    shopSelected = -1;
    f.store_about_l->setCaption({});   // nothing of the last shop stays
    f.store_list->setCurrentRow(-1);
    f.store_list->clear();
    for (int i = 0; i < count; ++i)
        f.store_list->addItem(itemTable[randomNamedItem()].name);
    f.store_box->show();
    f.item_list->setEnabled(true);
}

void TForm1::store_listMouseDown()
{
    playCue(1, "list.wav");
    const std::string name = store_list->itemText(store_list->currentRow());
    if (name.empty()) {
        shopSelected = -1;
        store_about_l->setCaption({});
        return;
    }
    shopSelected = -1;
    for (int id = 0; id <= 254; ++id)
        if (itemTable[id].name == name)
            shopSelected = id;
    describeOffer();
}

void TForm1::Button2Click()
{
    const int row = store_list->currentRow();
    if (shopSelected == -1 || row == -1 || store_list->itemText(row).empty()) {
        playCue(0, "no.wav");
        return;
    }
    if (shopMode == 0) {
        const int price = goldPrice(shopSelected);
        if (price > my.coins) {
            playCue(0, "no.wav");
            return;
        }
        addTo(my.coins, -int64_t(price));
    } else {
        if (my.itemCount[sealedCoin] <= 0) {
            playCue(0, "no.wav");
            return;
        }
        addTo(my.itemCount[sealedCoin], -1);
    }
    addTo(at(my.itemCount, shopSelected), 1);
    playCue(1, "buy.wav");
    describeOffer();
    rebuildItemList();
    shopSelected = -1;
    store_list->setItemText(row, {});   // each offer sells once
}

void TForm1::sell_bClick()
{
    if (!visible(store_box))
        return;
    item_l_box->hide();
    if (selectedItem == -1) {
        playCue(0, "no.wav");
        return;
    }
    addTo(my.coins, salePrice(selectedItem));
    playCue(1, "coin.wav");
    takeSelectedItem();
}

void TForm1::Button6Click()
{
    store_box->hide();
    // Nothing stays selected or usable through the farewell; the sell
    // button would otherwise linger over the use button.
    hidePlayButtons();
    sell_b->hide();
    item_l_box->hide();
    item_list->setCurrentRow(-1);
    selectedItem = -1;
    typeLine("またどこかで・・・"_sj);
    waitForClick();
    my.distance = 0;
    returnToMap();
}
