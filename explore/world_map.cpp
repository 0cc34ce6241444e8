// The world map: destinations, gates, saves and the energy purchase.
#include "core/savegame.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/music.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/transitions.h"

namespace {

// On to the start of the area's road.
void setOut(int area)
{
    enterArea(area);
    my.distance = 0;
}

void hover(const std::string& text)
{
    Form1->map_l->show();
    Form1->map_l->setCaption(text);
}

// The area's line on the map, with the toll to go in.
void hoverWithCost(int area)
{
    const tmap& road = at(areaTable, area);
    hover(fill("%1,要:死のEnrgy %2"_sj, {road.mapText, num(road.entryCost)}));
}

// The gates of the demon castle and of heaven's scales weigh the soul's karma.
bool karmaAdmits(bool admitted)
{
    if (admitted)
        return true;
    playCue(0, "no.wav");
    showMessage("貴方のカルマではこのエリアに入れないようだ"_sj);
    playCue(0, "1.wav");
    return false;
}

} // namespace

void TForm1::map_cgMouseMove()
{
    map_l->hide();
    map_l->setCaption({});
}

// The judgement gate opens for a pass, and keeps it.
void TForm1::map_b0Click()
{
    if (my.itemCount[104] <= 0) {
        playCue(0, "b.wav");
        showMessage("どんなに門を叩こうとも、ビクともせず入れなかった"_sj);
        playCue(0, "b.wav");
        return;
    }
    playAreaMusic();
    addTo(my.itemCount[104], -1);
    rebuildItemList();
    playCue(0, "bell.wav");
    showMessage("門番「……通行証か。たしかに審判の印だ。一枚、預かっておく」"_sj);
    playCue(1, "b.wav");
    showMessage("門番「この先は、見覚えのある顔ばかりだ。皆、おまえのことを覚えている。……驚くなよ」"_sj);
    playCue(1, "b.wav");
    setOut(10);
}

void TForm1::map_b1Click()
{
    playAreaMusic();
    setOut(1);
}

void TForm1::map_b2Click()
{
    playAreaMusic();
    setOut(2);
}

void TForm1::shop_bClick()
{
    playMusic("purplegrass.mid");
    setOut(3);
}

void TForm1::map_b4Click()
{
    playAreaMusic();
    setOut(4);
}

void TForm1::map_b5Click()
{
    playAreaMusic();
    setOut(5);
}

void TForm1::map_b6Click()
{
    if (!karmaAdmits(my.karma < 0))
        return;
    playAreaMusic();
    setOut(6);
}

void TForm1::map_b7Click()
{
    if (!karmaAdmits(my.karma > 0))
        return;
    playAreaMusic();
    setOut(7);
}

void TForm1::map_b8Click()
{
    playMusic("usakuma.mid");
    setOut(8);
}

void TForm1::map_b9Click()
{
    playAreaMusic();
    setOut(9);
}

void TForm1::map_b12Click()
{
    playAreaMusic();
    setOut(12);
}

// The cave's keeper lets in whoever brings a holed coin.
void TForm1::map_b13Click()
{
    if (my.itemCount[33] <= 0) {
        playCue(0, "no.wav");
        return;
    }
    playCue(0, "b.wav");
    showMessage("番人「おや、穴あき銭じゃないか。ひっひ……この穴から覗くとな、昔の冥界が見えるんじゃよ」"_sj);
    playCue(0, "b.wav");
    showMessage(fill("番人「よかろう、通りな。奥の店じゃ封印金貨しか通じんからね」\r\r%1 -1"_sj, {itemTable[33].name}));
    addTo(my.itemCount[33], -1);
    rebuildItemList();
    playMusic("purplegrass.mid");
    setOut(13);
}

void TForm1::map_b0MouseMove() { hover(areaTable[0].mapText); }
void TForm1::map_b1MouseMove() { hoverWithCost(1); }
void TForm1::map_b2MouseMove() { hoverWithCost(2); }
void TForm1::shop_bMouseMove() { hoverWithCost(3); }
void TForm1::map_b4MouseMove() { hover(areaTable[4].mapText); }
void TForm1::map_b5MouseMove() { hoverWithCost(5); }
void TForm1::map_b6MouseMove() { hoverWithCost(6); }
void TForm1::map_b7MouseMove() { hoverWithCost(7); }
void TForm1::map_b8MouseMove() { hoverWithCost(8); }
void TForm1::map_b9MouseMove() { hoverWithCost(9); }
void TForm1::map_b12MouseMove() { hoverWithCost(12); }
void TForm1::map_b13MouseMove() { hoverWithCost(13); }

// The paid save. Nothing is taken for a save that could not be written.
void TForm1::Button8Click()
{
    if (my.deathEnergy < 50) {
        playCue(0, "no.wav");
        return;
    }
    addTo(my.deathEnergy, -50);
    playCue(0, "1.wav");
    if (!saveGameOrReport()) {
        addTo(my.deathEnergy, 50);
        return;
    }
    showMessage("セーブしました"_sj);
    playCue(0, "1.wav");
}

void TForm1::Button8MouseMove() { hover("死のエネルギー 50∽を支払う事でセーブできる"_sj); }

void TForm1::Button9Click()
{
    if (saveGameOrReport())
        showMessage("セーブしまし"_sj);
}

void TForm1::Button10Click()
{
    if (my.coins <= 4) {
        playCue(0, "no.wav");
        return;
    }
    addTo(my.coins, -5);
    playCue(0, "toki.wav");
    addTo(my.deathEnergy, 20);
    showMessage("死のエネルギーが 20増えた"_sj);
    playCue(0, "1.wav");
}

void TForm1::Button10MouseMove() { hover("死のエネルギー 20∽を 金貨 5枚で購入する"_sj); }
