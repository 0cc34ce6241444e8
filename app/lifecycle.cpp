#include "app/lifecycle.h"

#include "core/clock.h"
#include "core/datafile.h"
#include "core/paths.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/music.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/transitions.h"

void TForm1::FormCreate()
{
    openCueWaves();
    seedRandom(uint32_t(msNow()));
    discardUnfinishedSaves();
    // A missing or damaged data file does not stop the window: it opens on
    // the title as ever, and the box saying what is wrong (and offering the
    // last good save) comes once it is on screen. Nothing is saved until a
    // load succeeds.
    try {
        loadGameData();
    } catch (const EInOutError& e) {
        QTimer::singleShot(0, this, [text = std::string(e.what())] { reportFailedLoad(text); });
    }
    for (TImage* pickup : {doku_cg, koku_cg, coin_cg, toki_cg})
        pickup->move(-50, pickup->y());
    setWindowColour(this, Qt::black);
    playMusic("miruhe.mid");
    start_box->move(0, 0);
    start_box2->move(48, 360);
    map_box->move(0, 0);
    store_box->move(0, 204);
    store_shape->move(0, 0);
    item_l_box->move(10, 93);
    lvup_box->move(0, 92);
    select_box->move(176, 167);
    name_box->move(0, 167);
    kutu_b->hide();
    moji_l2->move(moji_l->x() + 2, moji_l->y() + 2);
    for (TImage* buffer : {Image1, Image2, bak, bak2})
        buffer->loadFromFile(cgPath("black.bmp"));
    Image1->resize(300, Image1->height());
    Image2->resize(300, 400);
    bak->resize(300, 400);
}

std::string farewellText()
{
    static const char* const remarks[10] = {
        "まだ目覚めたばかりの、ちいさな魂だった。",
        "ぼんやりと、死者の道を見つめていた。",
        "少しだけ、自分の名前を思い出しかけていた。",
        "迷いながらも、一歩ずつ歩いていた。",
        "誰かの声に、そっと耳をすませていた。",
        "失くした記憶のかけらを、大事に抱えていた。",
        "魂の剣を、静かに握りしめていた。",
        "この世界の謎に、あと少しで触れそうだった。",
        "死のエネルギーの流れを、感じとれるようになっていた。",
        "もうすぐ、ひとつになれそうだった。",
    };
    const int remainder = my.consciousness % 10;   // negative: no remark
    const std::string remark = remainder >= 0 ? sjis(remarks[remainder]) : std::string();
    const std::string name = my.playerName.empty() ? "きみ"_sj : my.playerName;
    return fill("%1は、"_sj, {name}) + "\r" + remark;
}

void TForm1::FormClose()
{
    clickWait = -1;
    playCue(2, "9.wav");
    e_hp_l->hide();
    moji_l->hide();
    moji_l2->hide();
    state_l3->hide();
    if (my.currentArea != -1)
        closeAreaView();
    showMessage(farewellText());
}

void TForm1::FormDestroy() { freeCueWaves(); }
