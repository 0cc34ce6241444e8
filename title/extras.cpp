// The extras panel: music room and item encyclopedia. What it opens depends
// on the best score of the ranking.
#include <climits>

#include "core/state.h"
#include "core/text.h"
#include "ui/form1.h"
#include "ui/music.h"
#include "ui/sound.h"

namespace {

struct Track {
    const char* title;
    int unlockScore;   // place 1 of the ranking must reach it
    const char* file;
    const char* lore;  // nothing for the last three
};

const Track tracks[8] = {
    {"Miruhe", INT_MIN, "miruhe.mid",
     "死者の世界の入り口で、いつも静かに鳴っている曲。ここへ来た魂は、みんな最初にこの旋律を聴く。"
     "生きていたころに聴いた気がする、と言う者も多い。"},
    {"Purple Grass", INT_MIN, "purplegrass.mid",
     "紫の草がそよぐ原っぱの曲。風の吹かない冥界で、なぜかこの草だけはいつも揺れている。"
     "草を揺らしているのは、ここで眠る魂たちの寝息なのだとか。"},
    {"Free Soul", INT_MIN, "freesoul.mid",
     "冥界の地図をながめるときの曲。次にどこへ向かうのかは、魂の自由。"
     "ただし、死のエネルギーの残りには気をつけて。"},
    {"The Sword", INT_MIN, "thesword.mid",
     "道の果てで待つ番人との戦いの曲。番人たちは、魂の剣を抜いた者にしかこの曲を聴かせない。"
     "負けるつもりで剣を抜く番人は、ひとりもいない。"},
    {"Usakuma", 2000, "usakuma.mid",
     "うさくまちゃんの曲。うさぎなのか、くまなのか。本人にもよくわかっていないらしい。"
     "めったに会えないが、会えた魂は少しだけ幸せになるという。"},
    {"Modesty", 4000, "modesty.mid", nullptr},
    {"I Knew me", 6000, "iknewme.mid", nullptr},
    {"All to 1", 8000, "allto1.mid", nullptr},
};

bool unlocked(const Track& t) { return my.rankScore[1] >= t.unlockScore; }

// The rarity: one star for every ten of the value, and one more; none for
// a value of -10 or less.
std::string stars(int value)
{
    std::string s;
    for (int i = 0; i <= value / 10; ++i)
        s += "★"_sj;
    return s;
}

} // namespace

void TForm1::am_bMouseDown()
{
    playCue(0, "b.wav");
    start_box2->hide();
    am_box->setColor(Qt::white);
    am_box->show();
    am_box->move(4, 4);
    music_list->setCurrentRow(-1);
    music_list->clear();
    for (const Track& t : tracks)
        music_list->addItem(unlocked(t) ? t.title : "????");
    zukan_box->setVisible(my.rankScore[1] >= 10000);
}

// Rows are the tracks in order; a row's text is empty when no row is selected.
void TForm1::music_listMouseDown()
{
    playCue(0, "list.wav");
    const int row = music_list->currentRow();
    const std::string text = music_list->itemText(row);
    if (text.empty())
        return;
    const Track& t = tracks[row];
    music_l->setCaption(text == "????" || !t.lore ? std::string() : t.title + ("\r\r" + sjis(t.lore)));
}

void TForm1::Label13MouseDown()
{
    playCue(0, "2.wav");
    const int row = music_list->currentRow();
    const std::string text = music_list->itemText(row);
    if (text.empty() || text == "????")
        return;
    playMusic(tracks[row].file);
}

void TForm1::zukan_vChange()
{
    playCue(0, "list.wav");
    const titem& item = at(itemTable, zukan_v->value());
    if (item.name.empty()) {
        zukan_l->setCaption({});
        return;
    }
    zukan_l->setCaption(item.name + "\r" + fill("レア度:%1"_sj, {stars(item.value)}) + "\r" + item.description);
}
