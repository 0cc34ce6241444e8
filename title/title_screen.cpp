// The title screen: its periodic refresh, continuing and new runs, and the
// prologue that greets a soul newly arrived.
#include <algorithm>

#include "core/clock.h"
#include "core/datafile.h"
#include "core/ranking.h"
#include "core/rng.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/inventory.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/saving.h"
#include "ui/sound.h"
#include "ui/status.h"
#include "ui/transitions.h"

namespace {

// The title flickers twice in each cycle of 100 ticks; a frame not listed
// leaves the label as it was.
const char* titleFrameText(int frame)
{
    switch (frame) {
    case 20: return "　ルヘ";
    case 21: case 71: return "ミ　ヘ";
    case 22: return "ミル　";
    case 23: return "/-/:[/";
    case 24: case 30: case 74: case 80: return "ミルヘ";
    case 25: return ":]:/::";
    case 26: return "://-:/";
    case 27: case 77: return "//ルヘ";
    case 28: case 78: return "ミ　//";
    case 29: case 73: case 75: return "　　　";
    case 70: case 72: return "　ル　";
    case 76: return "■■■";
    case 79: return "::::::";
    }
    return nullptr;
}

// The maker's name fades out and back once a cycle; a hidden character
// becomes a full-width blank or two marks, so the name keeps its width.
const char* makerFrameText(int frame)
{
    switch (frame) {
    case 40: return "　　るも　";
    case 41: return "く　　　　";
    case 42: return "く　る　す";
    case 43: return "　　　　　";
    case 44: return "　----も　";
    case 45: return "----る----";
    case 46: return "..``　..--";
    case 47: return "````るもす";
    case 48: case 50: return "くいるもす";
    case 49: return "く``````す";
    }
    return nullptr;
}

void showFrame(TLabel* label, const char* text)
{
    if (text)
        label->setCaption(sjis(text));
}

// What every start of play clears: the selection, the item note, the side
// notes and the message.
void clearPlayView()
{
    TForm1& f = *Form1;
    selectedItem = -1;
    bakIndex = 1;
    f.item_l->setCaption({});
    f.item_l_box->hide();
    rebuildItemList();
    f.state_l2->setCaption({});
    f.state_l3->setCaption({});
    f.moji_l->setCaption({});
    refreshStatus();
}

void playPrologue()
{
    static const char* const lines[11] = {
        "????「……やあ、目が覚めたかい？ようこそ。きみは、死んだんだよ」",
        "「ここは死者の世界。命を終えた魂が、最後にたどりつく場所さ」",
        "「きみの体も、もうこっちに現れている。魂の形をしてね」",
        "「でも気をつけて。ここの決まりは、生きていた世界とはまるで違うんだ」",
        "「いちばん大事なことを言うよ。自分を、見失ってはいけない」",
        "「ここでは、たくさんの者が自分の魂をなくしていくんだ。……本当に、たくさん」",
        "「魂の強さは『個体スコア』ではかられる。高いほど、強い魂ってことさ」",
        "「そして魂は『死のエネルギー』によって存在している。なくなれば、それまでだよ」",
        "「死のエネルギーを失わずに、個体スコアを上げること。それがきみの最初のつとめ」",
        "「この世界には、まだ誰も解いたことのない謎がある」",
        "「きみに、その謎を解いてほしいんだ。……待ってるよ」",
    };
    for (const char* line : lines)
        say(sjis(line));
}

// Leaves the title for area 0 and greets the soul. The run has just been
// reset, so the prologue always plays here, and is saved after.
void beginRun()
{
    TForm1& f = *Form1;
    playCue(0, "5.wav");
    showPicture("bak3.bmp");
    f.cg->canvas.fillAll(Qt::white);
    f.start_box->hide();
    f.start_box2->hide();
    clearPlayView();
    enterArea(my.currentArea);
    hidePlayButtons();
    if (my.eventFlag[13] == 0) {
        my.eventFlag[13] = 1;
        addTo(my.tryCount, 1);
        playPrologue();
        saveGameOrReport();
    }
    f.battle_b->show();
    f.walk_b->show();   // the item list stays off until a scene ends
}

void newGame()
{
    playCue(3, "b.wav");
    refuseIfUnread();   // a save that could not be read is not cleared over
    if (!askYesNo("すべてを初期化するよ？いいの？"_sj, /*erases=*/true)) {
        playCue(1, "no.wav");
        return;
    }
    clearPlayView();
    foundTree = foundCorpse = foundJewel = foundObject = 0;
    playCue(0, "4.wav");
    resetRun();
    my.playerName.clear();
    my.reserved1 = my.reserved2 = 0;
    my.coins = my.score = 0;
    my.deathEnergy = 100;
    my.soulSword = my.soulArmor = my.memory = my.consciousness = 0;
    my.maxSoul = 10;
    saveGameOrReport();   // where saves cannot be written, the run is played unsaved
    showMessage("初期化してしまったよ"_sj);
    static const int maxSoulChange[4] = {5, 0, -2, -2};
    addTo(my.maxSoul, maxSoulChange[my.difficulty]);
    beginRun();
}

} // namespace

void TForm1::Timer1Timer()
{
    refreshStatus();

    const auto& clears = my.areaClears;
    map_b5->setVisible(clears[2] >= 1);
    map_b6->setVisible(clears[6] >= 1);
    map_b7->setVisible(clears[7] >= 1);
    map_b4->setVisible(clears[4] < 3);
    map_b1->setVisible(clears[1] < 3);
    map_b2->setVisible(clears[2] < 3);
    map_b12->setVisible(clears[5] >= 1);
    map_b9->setVisible(clears[6] >= 2 && clears[7] >= 2 && clears[5] >= 1);

    ex_b->setVisible(my.crestRedSword >= 1);
    easy_clear_l->setVisible(my.crestUnderworld >= 1);
    nomal_clear_l->setVisible(my.crestSoul >= 1);
    hard_clear_l->setVisible(my.crestRedSword >= 1);
    ex_clear_l->setVisible(my.crestAdmins >= 1);
    am_b->setVisible(my.tryCount >= 5);

    if (!visible(start_box))
        return;
    rank_l->setCaption(rankingText());
    titleStep();
}

// The title's animation: one frame a tick.
void TForm1::titleStep()
{
    if (++titleFrame > 99)
        titleFrame = 0;
    showFrame(miruhe_l, titleFrameText(titleFrame));
    showFrame(miruhe_l2, makerFrameText(titleFrame));
}

// A tick with nothing new since the last one (no handler but the timers,
// no pump, no wait, no box, no value pulled back into range) would show
// just what is shown, bar the title's animation: it only steps the
// animation, and Timer1 then rests until the animation's next frame with
// text, or for a second away from the title. Whatever happens meanwhile
// wakes it (noteActivity); the title frames it rested through are counted on.
void TForm1::Timer1Due()
{
    if (timer1Resting) {
        timer1Resting = false;
        if (timer1RestOnTitle && visible(start_box))
            titleFrame = int((titleFrame + std::max<int64_t>(0, (msNow() - timer1At + 5) / 10 - 1)) % 100);
        Timer1->start(10);
    }
    const uint64_t seen = activityCount();
    const bool quiet = seen == timer1Seen;
    if (!quiet)
        Timer1Timer();
    else if (visible(start_box))
        titleStep();
    timer1Seen = seen;
    timer1At = msNow();
    if (!quiet)
        return;
    int ticks = 100;
    timer1RestOnTitle = visible(start_box);
    if (timer1RestOnTitle) {
        ticks = 1;
        while (ticks < 100 && !titleFrameText((titleFrame + ticks) % 100) && !makerFrameText((titleFrame + ticks) % 100))
            ++ticks;
    }
    if (ticks > 1) {
        timer1Resting = true;
        Timer1->start(10 * ticks);
    }
}

// Continue: the run resumes from its last save, in its area or on the map.
void TForm1::y_bClick()
{
    try {
        loadGameData();
    } catch (const EInOutError& e) {
        reportFailedLoad(e.what());   // the title stays
        return;
    }
    static const char* const whispers[12] = {
        "だれ？",   "ＳＡＤ",           "みえる？",           "呪い",       "霊が....",   "待ってるよ",
        "気をつけて....", "焦っちゃいけない", "自分の魂の声を....", "君は１つだ", "共に進もう", "見つかった？",
    };
    moji_l2->setCaption(sjis(whispers[R(12)]));
    playCue(0, "5.wav");
    showPicture("bak3.bmp");
    cg->canvas.fillAll(Qt::white);
    start_box->hide();
    clearPlayView();
    foundTree = foundCorpse = foundJewel = foundObject = foundOrb = 0;
    if (my.currentArea == -1) {
        hidePlayButtons();   // the map has no walking
        map_box->show();
        return;
    }
    enterArea(my.currentArea);
    addTo(my.deathEnergy, entryCost(my.currentArea));   // coming back costs nothing
    hidePlayButtons();
    if (my.eventFlag[13] == 0) {
        my.eventFlag[13] = 1;
        addTo(my.tryCount, 1);
        playPrologue();
    }
    showPlayButtons();
}

void TForm1::Button4Click()
{
    playCue(3, "b.wav");
    start_box2->show();
}

void TForm1::Label3MouseDown()
{
    playCue(0, "b.wav");
    start_box2->hide();
    am_box->hide();
}

void TForm1::Image7Click()
{
    my.difficulty = 0;
    newGame();
}

void TForm1::Image8Click()
{
    my.difficulty = 1;
    newGame();
}

void TForm1::Image9Click()
{
    my.difficulty = 2;
    newGame();
}

void TForm1::ex_bClick()
{
    my.difficulty = 3;
    newGame();
}
