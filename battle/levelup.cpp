// The level-up choice: one gain of five, then the rest of the defeat's
// rewards.
#include "battle/defeat.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/sound.h"
#include "ui/status.h"

namespace {

// The choice is listed under the growth it came from.
void chosen(const std::string& line)
{
    setMessage(Form1->moji_l->caption() + "\r" + line);
    waitForClick();
    GrantDefeatRewards();
}

} // namespace

void TForm1::BitBtn6Click()
{
    lvup_box->hide();
    playCue(0, "up.wav");
    addTo(my.soulSword, 1);
    chosen("魂の剣が 1強くなった!!"_sj);
}

void TForm1::BitBtn8Click()
{
    lvup_box->hide();
    playCue(0, "up.wav");
    addTo(my.soulArmor, 1);
    chosen("魂の鎧が 1強くなった!!"_sj);
}

void TForm1::BitBtn7Click()
{
    lvup_box->hide();
    playCue(0, "up.wav");
    addTo(my.maxSoul, 3);   // the soul itself has yet to grow into it
    chosen("魂の大きさが 3成長した!!"_sj);
}

void TForm1::BitBtn9Click()
{
    lvup_box->hide();
    playCue(0, "toki.wav");
    addTo(my.deathEnergy, 100);
    chosen("死のエネルギーが 100回復した!!"_sj);
}

void TForm1::BitBtn10Click()
{
    lvup_box->hide();
    awardScore(400);   // scaled like every award, with its own notice and sound
    chosen("個体スコアを手に入れた!!"_sj);
}
