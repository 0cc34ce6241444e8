// What stands at the end of each road: mostly the area's guardian, whose
// defeat conquers the area; in three places a shopkeeper.
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "items/shop.h"
#include "story/encounters.h"
#include "story/scene_kit.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/music.h"
#include "ui/pictures.h"
#include "ui/play_buttons.h"
#include "ui/transitions.h"

namespace {

// The figure at the road's end: portrait, values, profile, then its music
// (mostly none) before it speaks.
void stand(const char* picture, int64_t strength, int item, int alignment, const char* profile,
           const char* music = "not")
{
    fadeInPortrait(picture);
    setEnemy(strength, item, alignment);
    showProfile(sjis(profile));
    playMusic(music);
}


// A shopkeeper opens shop by chance (1 in `odds` fights instead).
void shopOrFight(int odds, int mode, int offers, const char* shopLine, const char* fightLine)
{
    if (R(odds) != 0) {
        sayLines({shopLine});
        return openShop(mode, offers);
    }
    sayLines({fightLine});
    guardianFight();
}

// Areas 0 and 2 open only to those who have done what they must there.
bool throwsBack()
{
    const int area = my.currentArea;
    const auto& flag = my.eventFlag;
    const bool barred = (area == 0 && (flag[0] == 0 || flag[2] < 2)) || (area == 2 && flag[3] < 3);
    if (!barred)
        return false;
    showPlayButtons();
    setMessage("不思議な力ではじきとばされた..."_sj);
    addTo(my.distance, -int64_t(area == 0 ? R(40) + 30 : R(50) + 40));
    return true;
}

} // namespace

void guardianFight()
{
    playMusic("thesword.mid");
    guardianBattle = 1;
    ambush();
}

void meetGuardian()
{
    if (throwsBack())
        return;
    switch (my.currentArea) {
    case 0:
        for (TImage* pickup : {Form1->coin_cg, Form1->toki_cg})   // nothing is left lying at the gate
            pickup->move(-50, pickup->y());
        stand(gaigaru.picture, 10, 0, 0, gaigaru.profile);
        sayLines({"ガイガル「待ってたぜぇ。この門を抜けられるのは、ひとりずつだ」",
                  "ガイガル「オレはな、冥界の底の牢から這い上がってきたんだ」",
                  "ガイガル「罪状？忘れたよ。ここじゃ、みんな忘れちまう」",
                  "ガイガル「門の向こうへ行けば、やり直せるって話じゃねえか」",
                  "ガイガル「だがトトの天秤に載ったら、オレの心臓なんざ一発で沈む」",
                  "ガイガル「だから、おまえの名前と量られた心臓をいただく」",
                  "ガイガル「おまえになりすまして、門を抜けてやるぜぇ!!」"});
        return guardianFight();
    case 1:
        stand(jiyu.picture, 25, 3, 0, jiyu.profile);
        sayLines({"ジユウ「最後の試験は、城を出る者と戦うこと。……相手はキミだ」",
                  "ジユウ「ボク、ずっと、みんなを見送ってばかりだった」",
                  "ジユウ「……キミも、ボクを置いて行っちゃうんだろ？」"});
        return ask(7);   // either answer starts the fight
    case 2:
        stand(ada.picture, 40, 0, 1, ada.profile);
        sayLines({"エイダ「来たね。エイダ、この門の門番なんだよ」",
                  "エイダ「門番は通せんぼするのがお仕事。……いっぱい遊ぼ!!」"});
        return guardianFight();
    case 3:
        stand("mara.bmp", 30, 47, 2, "マーラー。シキハキ街一の大商人。魂まで値踏みする目利き");
        return shopOrFight(10, 0, 6, "マーラー「いらっしゃい!!シキハキ街一の品ぞろえだよ。見てってね」",
                           "マーラー「今日は店じまい。代わりに、あんたの魂を仕入れさせてもらうよ!!」");
    case 4:
        stand(hitodama.picture, 15, 1, 0, hitodama.profile);
        sayLines({"ヒトダマ「いかないで……ここは、あったかいよ……」",
                  "ヒトダマ「みんなで、とけて……ひとつに、なろう……!!」"});
        return guardianFight();
    case 5:
        stand(hitodama.picture, int64_t(my.maxSoul) + 15, 12, 0, "大ヒトダマ。塔を登りきれなかった魂たちが、寄り集まって燃えている");
        sayLines({"大ヒトダマ「ここまで登ってきた魂は、みんな、ぼくになった」",
                  "大ヒトダマ「管理者達に会いたくて……でも、扉は開かなかった」",
                  "大ヒトダマ「きみも、ぼくになろう。もう、さみしくないよ!!」"});
        return guardianFight();
    case 6:
        stand(devil.picture, 50, 1, -10, "魔王の幻。蜃気楼の城の主。闇に傾いた魂にだけ、その姿が見える");
        sayLines({"魔王の幻「よく来た、闇に傾きし魂よ。ここはお前の望んだ城だ」",
                  "魔王の幻「我は幻。お前の心が、この姿を描いたにすぎぬ」",
                  "魔王の幻「ならば越えてみせよ。己の闇をな!!」"});
        return guardianFight();
    case 7:
        stand(angel.picture, 50, 2, 10, "天秤の天使。天界の門柱を守る。光に傾いた魂を、最後にもう一度量る");
        sayLines({"天秤の天使「光に傾いた魂よ。その光は、本当にあなたのものですか」",
                  "天秤の天使「借りものの光なら、ここで剥がれ落ちるでしょう!!」"});
        return guardianFight();
    case 8: {
        const int strength = saturate(int64_t(my.maxSoul) + my.soulArmor);
        stand("usakuma.bmp", strength, randomNamedItem(), 1, "うさくまちゃん。うさぎなのか、くまなのか。気まぐれなお店屋さん",
              "usakuma.mid");
        return shopOrFight(20, 0, 8, "うさくまちゃん「いらっしゃいませ～。うさぎ？くま？どっちでもいいよ～」",
                           "うさくまちゃん「きょうはおみせ、おやすみ～。かわりにあそぼ～!!」");
    }
    case 9:
        stand("tou.bmp", 99, 0, 0, "管理者。管理者達の間の最奥に立つ者。白と黒の半面に、眼がひとつ");
        sayLines({"管理者「よくぞ来た。我らは管理者。この世界のすべての魂を量る者」",
                  "管理者「死のエネルギーを配り、カルマを記し、忘れた魂を底へ沈める」",
                  "管理者「我らが何者か、知りたいか。……誰も知らぬ。我ら自身もな」",
                  "管理者「この面の奥に扉がある。答えは、その扉の奥にある」",
                  "管理者「知りたくば、我らを越えよ!!」"});
        return guardianFight();
    case 10:
        stand(sigma.picture, my.maxSoul, 0, 0, sigma.profile);
        sayLines({"シグマ「門の奥でも商売さ。お代は、あんたの魂でいただくよ!!」"});
        return guardianFight();
    case 11:
        stand(neutralSpirit.picture, my.maxSoul, 0, 0, neutralSpirit.profile);
        sayLines({"無属性霊体「ココハ底……忘レラレタ者ハ……ココカラ出ラレナイ……」"});
        return guardianFight();
    case 12:
        stand(witch.picture, int64_t(my.coins) + my.deathEnergy, 0, 0, witch.profile);
        sayLines({"魔女「ひっひっ、あたしの小屋まで来たね。さて、どれだけ重くなったか」",
                  "魔女「あたしが量ってやる。トトより、ちょいと厳しいよ」",
                  "魔女「手加減はしないよ。魔女ってのは、意地悪なもんさ!!」"});
        return guardianFight();
    case 13: {
        const int strength = saturate(int64_t(my.deathEnergy) + my.soul + my.coins);
        stand("12.bmp", strength, randomNamedItem(), 1, "ミスティウィング。洞穴の奥でランプを灯す隠者。封印金貨しか受け取らない");
        sayLines({"ミスティウィング「封印金貨一枚で、どれでも一つ。灯りの消えぬうちに選びな」"});
        return openShop(1, 20);
    }
    default:   // a road nobody waits at the end of: the soul finds itself back on the map
        return returnToMap();
    }
}
