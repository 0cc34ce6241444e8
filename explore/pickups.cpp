// Things that appear on the field and answer a click.
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/sound.h"

namespace {
void park(TImage* pickup) { pickup->move(-50, pickup->y()); }
} // namespace

// A gold coin; an evil soul's hand may crush it, a holy one may find two.
void TForm1::coin_cgMouseDown()
{
    park(coin_cg);
    if (my.karma <= -11 && R(3) == 0) {
        setMessage("金貨は手に取る前に砕けてしまった...."_sj);
        return;
    }
    playCue(1, "coin.wav");
    const int n = my.karma >= 11 && R(3) == 0 ? 2 : 1;
    setMessage(fill("金貨：%1枚を見つけた"_sj, {num(n)}));
    addTo(my.coins, n);
}

// The rift, closed before anyone walks into it.
void TForm1::koku_cgMouseDown()
{
    park(koku_cg);
    playCue(1, "koku.wav");
    setMessage("刻印を焼却した 金貨+1"_sj);
    addTo(my.coins, 1);
}

// The seal mark burns the hand until a search has cooled it.
void TForm1::doku_cgMouseDown()
{
    if (sealMarkState != 2) {
        playCue(1, "18.wav");
        flashRed();
        setMessage("焼けどした"_sj);
        addTo(my.soul, -1);
        return;
    }
    park(doku_cg);
    playCue(1, "koku.wav");
    if (R(5) != 0) {
        setMessage("刻印を解いた 金貨+1"_sj);
        addTo(my.coins, 1);
    } else {
        setMessage("刻印を解いた 封印金貨+1"_sj);
        addTo(my.itemCount[105], 1);
        rebuildItemList();
    }
    sealMarkState = 0;
}

void TForm1::toki_cgMouseDown()
{
    park(toki_cg);
    playCue(1, "toki.wav");
    const int n = R(10) + 1;
    setMessage(fill("死のエネルギーが %1回復した!!"_sj, {num(n)}));
    addTo(my.deathEnergy, n);
}
