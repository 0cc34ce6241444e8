// The shop: its offers, prices by difficulty, the sealed-coin shop,
// selling, and leaving for the world map.
#include <gtest/gtest.h>

#include "core/rng.h"
#include "core/state.h"
#include "core/text.h"
#include "items/inventory.h"
#include "items/shop.h"
#include "tests/support/game.h"
#include "ui/status.h"

namespace {

using Cues = std::vector<std::string>;

// Ids the shipped table leaves empty; the tests put their own wares there.
constexpr int ware = 200, other = 201, sealedCoin = 105;

class Shop : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();   // the refresh runs when the test says
        f.Timer4->stop();
        f.start_box->hide();
        my.itemCount.fill(0);
        my.currentArea = 3;
        my.difficulty = 0;
        my.coins = 0;
        my.distance = 30;
        clickWait = 1;
        itemTable[ware] = {"壺"_sj, "ただの壺"_sj, 24, 0};
        itemTable[other] = {"皿"_sj, "ただの皿"_sj, 24, 0};
    }
    // Opens the shop with exactly these offers.
    void open(int mode, std::initializer_list<int> ids)
    {
        for (int id : ids)
            feedDraws({id});
        openShop(mode, int(ids.size()));
    }
    void chooseOffer(int row)
    {
        f.store_list->setCurrentRow(row);
        f.store_listMouseDown();
    }
    // The price shown for an offer of this value, at this difficulty.
    std::string price(int value, int difficulty)
    {
        my.difficulty = difficulty;
        itemTable[ware].value = value;
        open(0, {ware});
        chooseOffer(0);
        const std::string about = f.store_about_l->caption();
        const std::string from = "価格 > 金貨 "_sj;
        const size_t at = about.find(from) + from.size();
        return about.substr(at, about.find("枚"_sj, at) - at);
    }
    // Holds `count` of an item, chosen in the inventory list.
    void hold(int id, int count)
    {
        my.itemCount[id] = count;
        rebuildItemList();
        for (int row = 0; row < f.item_list->count(); ++row)
            if (f.item_list->itemText(row) == itemTable[id].name)
                f.item_list->setCurrentRow(row);
        f.item_listMouseDown();
    }
    std::vector<std::string> offers() const
    {
        std::vector<std::string> rows;
        for (int row = 0; row < f.store_list->count(); ++row)
            rows.push_back(f.store_list->itemText(row));
        return rows;
    }
};

TEST_F(Shop, OpeningDrawsNamedOffers)
{
    f.item_list->setEnabled(false);   // the keeper's scene turned the list off
    open(1, {3, 3});
    feedDraws({0, ware, 250, other});   // 250 has no name: drawn again
    openShop(0, 3);
    EXPECT_EQ(pendingDraws(), 0);
    EXPECT_EQ(offers(), (std::vector<std::string>{itemTable[0].name, "壺"_sj, "皿"_sj}));
    EXPECT_EQ(shopMode, 0);
    EXPECT_EQ(f.store_list->currentRow(), -1);
    EXPECT_EQ(shopSelected, -1);
    EXPECT_TRUE(visible(f.store_box));
    EXPECT_TRUE(f.item_list->isEnabled());
}

TEST_F(Shop, PricesRiseWithTheDifficulty)
{
    EXPECT_EQ(price(0, 0), "1");
    EXPECT_EQ(price(0, 1), "2");
    EXPECT_EQ(price(0, 2), "4");
    EXPECT_EQ(price(0, 3), "6");
    EXPECT_EQ(price(7, 0), "2");
    EXPECT_EQ(price(7, 1), "3");
    EXPECT_EQ(price(7, 2), "5");
    EXPECT_EQ(price(7, 3), "7");
    EXPECT_EQ(price(-5, 0), "2");   // the floor replaces 0
    EXPECT_EQ(price(-30, 3), "7");
    EXPECT_EQ(price(100, 0), "21");
}

TEST_F(Shop, AnOfferIsDescribedWithItsPrice)
{
    my.itemCount[ware] = 2;
    itemTable[ware].value = 12;
    my.difficulty = 1;
    open(0, {other, ware});
    chooseOffer(1);
    EXPECT_EQ(shopSelected, ware);
    EXPECT_EQ(f.store_about_l->caption(), "壺\r所持 > 2個\r価格 > 金貨 4枚\r\rただの壺"_sj);
    EXPECT_EQ(game.cues(1), Cues{"list.wav"});

    open(1, {ware});
    chooseOffer(0);
    EXPECT_EQ(f.store_about_l->caption(), "壺\r所持 > 2個\r価格 > 封印金貨 1枚\r\rただの壺"_sj);
}

TEST_F(Shop, OffersOfOneNameResolveToTheLaterId)
{
    itemTable[other].name = "壺"_sj;
    open(0, {ware});
    chooseOffer(0);
    EXPECT_EQ(shopSelected, other);
}

TEST_F(Shop, ABuyPaysAndBlanksTheRow)
{
    itemTable[ware].value = 7;   // 2 gold on EASY
    my.coins = 2;
    my.itemCount[0] = 1;
    open(0, {other, ware});
    chooseOffer(1);
    f.Button2Click();
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.itemCount[ware], 1);
    EXPECT_EQ(game.cues(1), (Cues{"list.wav", "buy.wav"}));
    EXPECT_EQ(game.cues(0), Cues{});
    EXPECT_EQ(f.store_about_l->caption(), "壺\r所持 > 1個\r価格 > 金貨 2枚\r\rただの壺"_sj);
    EXPECT_EQ(offers(), (std::vector<std::string>{"皿"_sj, ""}));
    EXPECT_EQ(shopSelected, -1);
    ASSERT_EQ(f.item_list->count(), 2);   // the inventory was rebuilt
    EXPECT_EQ(f.item_list->itemText(1), "壺"_sj);
    EXPECT_EQ(selectedItem, -1);

    // The same row again: blank, refused.
    my.coins = 50;
    f.Button2Click();
    chooseOffer(1);
    EXPECT_EQ(shopSelected, -1);
    EXPECT_EQ(f.store_about_l->caption(), "");
    f.Button2Click();
    EXPECT_EQ(my.coins, 50);
    EXPECT_EQ(my.itemCount[ware], 1);
    EXPECT_EQ(game.cues(0), (Cues{"no.wav", "no.wav"}));
}

TEST_F(Shop, TwoRowsOfOneNameAreTwoOffers)
{
    my.coins = 10;
    open(0, {ware, other, ware});
    chooseOffer(2);
    f.Button2Click();
    EXPECT_EQ(offers(), (std::vector<std::string>{"壺"_sj, "皿"_sj, ""}));
    chooseOffer(0);
    f.Button2Click();
    EXPECT_EQ(offers(), (std::vector<std::string>{"", "皿"_sj, ""}));
    EXPECT_EQ(my.itemCount[ware], 2);
    EXPECT_EQ(my.coins, 8);
}

TEST_F(Shop, RefusalsChangeNothing)
{
    itemTable[ware].value = 7;
    my.coins = 1;
    open(0, {ware});
    f.Button2Click();   // nothing chosen
    chooseOffer(0);
    f.Button2Click();   // one coin short
    f.store_list->setCurrentRow(-1);
    f.Button2Click();   // the row was let go
    EXPECT_EQ(my.coins, 1);
    EXPECT_EQ(my.itemCount[ware], 0);
    EXPECT_EQ(offers(), std::vector<std::string>{"壺"_sj});
    EXPECT_EQ(game.cues(0), (Cues{"no.wav", "no.wav", "no.wav"}));
    EXPECT_EQ(game.cues(1), Cues{"list.wav"});
}

TEST_F(Shop, TheSealedCoinShopTakesOneCoinWhateverTheItem)
{
    itemTable[ware].value = 900;
    my.itemCount[sealedCoin] = 1;
    my.coins = 3;
    open(1, {ware, other});
    chooseOffer(0);
    f.Button2Click();
    EXPECT_EQ(my.itemCount[ware], 1);
    EXPECT_EQ(my.itemCount[sealedCoin], 0);
    EXPECT_EQ(my.coins, 3);
    chooseOffer(1);
    f.Button2Click();
    EXPECT_EQ(my.itemCount[other], 0);
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});
    EXPECT_EQ(offers(), (std::vector<std::string>{"", "皿"_sj}));
}

TEST_F(Shop, SellingPaysATenthOfTheValue)
{
    open(0, {ware});
    const std::pair<int, int> sales[] = {{9, 1}, {10, 2}, {-30, 1}, {45, 5}};
    for (auto [value, gold] : sales) {
        itemTable[ware].value = value;
        hold(ware, 2);
        EXPECT_EQ(f.item_l->caption(), "壺 > 2個\r売価:金貨 "_sj + num(gold) + "枚\rただの壺"_sj);
        const int before = my.coins;
        f.sell_bClick();
        EXPECT_EQ(my.coins, before + gold) << value;
        EXPECT_EQ(my.itemCount[ware], 1);
        EXPECT_EQ(selectedItem, ware);
        EXPECT_FALSE(visible(f.item_l_box));
    }
    EXPECT_EQ(game.cues(1).back(), "coin.wav");
}

TEST_F(Shop, SellingTheLastOneBlanksItsRow)
{
    my.itemCount[0] = 1;
    open(0, {ware});
    hold(ware, 1);
    refreshStatus();
    EXPECT_TRUE(visible(f.sell_b));   // the sell button stands in for the use button
    f.sell_bClick();
    EXPECT_EQ(my.itemCount[ware], 0);
    EXPECT_EQ(selectedItem, -1);
    EXPECT_EQ(f.item_list->itemText(0), itemTable[0].name);
    EXPECT_EQ(f.item_list->itemText(1), "");
    refreshStatus();
    EXPECT_FALSE(visible(f.sell_b));
    const int coins = my.coins;
    f.sell_bClick();   // nothing chosen any more
    EXPECT_EQ(my.coins, coins);
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});
}

TEST_F(Shop, SellingOnlyWhileTheShopIsOpen)
{
    hold(ware, 1);
    f.sell_bClick();
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.itemCount[ware], 1);
    EXPECT_EQ(game.cues(0), Cues{});
}

TEST_F(Shop, SellingTheLastSealedCoinClosesTheSealedShop)
{
    my.itemCount[sealedCoin] = 1;
    open(1, {ware});
    hold(sealedCoin, 1);
    f.sell_bClick();   // sales pay gold even here
    EXPECT_EQ(my.coins, itemTable[sealedCoin].value / 10 + 1);
    EXPECT_EQ(my.itemCount[sealedCoin], 0);
    chooseOffer(0);
    f.Button2Click();
    EXPECT_EQ(my.itemCount[ware], 0);
    EXPECT_EQ(game.cues(0), Cues{"no.wav"});
}

TEST_F(Shop, LeavingGoesToTheWorldMap)
{
    open(0, {ware});
    hold(ware, 1);
    refreshStatus();
    game.clickThrough();
    f.Button6Click();
    EXPECT_EQ(game.said, std::vector<std::string>{"またどこかで・・・"_sj});
    EXPECT_FALSE(visible(f.store_box));
    EXPECT_TRUE(visible(f.map_box));
    EXPECT_EQ(my.distance, 0);
    EXPECT_EQ(my.currentArea, -1);
    EXPECT_EQ(game.cues(3), (Cues{"click.wav", "14.wav"}));
    // Nothing stays chosen, so neither button for it lingers on the map.
    EXPECT_EQ(selectedItem, -1);
    EXPECT_FALSE(visible(f.sell_b));
    refreshStatus();
    EXPECT_FALSE(visible(f.item_b));
    EXPECT_EQ(my.itemCount[ware], 1);
}

} // namespace
