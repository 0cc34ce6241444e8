#include "ui/message.h"

#include <QCoreApplication>

#include "core/clock.h"
#include "core/state.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/sound.h"
#include "ui/status.h"

void setMessage(const std::string& text)
{
    Form1->moji_l->setCaption(text);
    Form1->moji_l2->setCaption(text);
}

void appendMessage(const std::string& text)
{
    refreshStatus();
    repaintWindow();
    setMessage(Form1->moji_l->caption() + "\r" + text);
}

void typeLine(const std::string& line)
{
    if (clickWait == -1)
        return;
    std::string text = line;
    if (text.size() % 2)
        text += ' ';
    for (size_t i = 0; i <= text.size(); ++i) {
        Form1->moji_l->setCaption(text.substr(0, i));
        if (i % 6 == 0)
            playCue(1, "pi.wav");
        if (clickWait == -1)
            return;
        pumpMessages();
        pauseMs(5);
    }
    Form1->moji_l->setCaption(text);
}

void waitForClick()
{
    if (clickWait == -1)
        return;
    Form1->battle_b->hide();
    Form1->battle_b2->hide();
    clickWait = 0;
    Form1->click_l->show();
    noteActivity();
    while (clickWait == 0)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    Form1->click_l->hide();
}

void say(const std::string& text)
{
    typeLine(text);
    waitForClick();
}

void TForm1::click_lMouseDown()
{
    if (clickWait != 1)
        playCue(3, "click.wav");
    clickWait = 1;
}

void showProfile(const std::string& text)
{
    const std::string held = enemyItem == -1 ? std::string() : fill("所持:%1"_sj, {at(itemTable, enemyItem).name});
    enemyHp = enemyMaxHp;
    Form1->state_l3->setCaption(text + "\r\rHP " + num(enemyHp) + " / " + num(enemyMaxHp) + "\r\r" + held);
    Form1->state_l3->show();
}

void showItemNote(const std::string& line)
{
    Form1->item_l_box->show();
    Form1->item_l->setFontPx(14);
    Form1->item_l->setCaption("- " + line + " -\r" + fill("(残:%1)"_sj, {num(at(my.itemCount, selectedItem) - 1LL)}));
}

void ambush()
{
    if (clickWait == -1)
        return;
    TForm1& f = *Form1;
    hidePlayButtons();
    f.moji_l->setCaption({});
    f.state_l3->hide();
    inBattle = 1;
    repaintWindow();
    loadPicture(f.bak, portraitFile);
    repaintWindow();
    pumpMessages();
    pauseMs(30);
    revealScene();
    // The fight is offered once the enemy stands revealed.
    f.battle_b->show();
    f.item_list->setEnabled(true);
    setMessage("襲ってきた!!"_sj);
    playCue(3, "12.wav");
}
