// The witch has been here longer than anyone and forgets nothing. She puts
// questions, gives away more than she admits, and talks of karma: the
// weight a soul puts on itself.
#include "core/state.h"
#include "story/scene_kit.h"
#include "story/stories.h"
#include "ui/status.h"

void witchAtTheGate()
{
    meet(witch, 13, 4, -1);
    static const Story story{1, {
        {"魔女「おや、新しい魂だね。ひっひっ、そう怖がるんじゃないよ」"},
        {"魔女「ここじゃ、したことが全部、魂の重さになる。それがカルマさ」"},
        {"魔女「闇に傾くも光に傾くも、あんたの勝手。量られるのは自分だよ」"},
        {"魔女「ひとつ聞くよ。ここに来たとき、『待ってるよ』って声を聞いたろう」",
         "魔女「あれが誰の声か、考えておきな。それが、この世界の謎さ」"},
        {"魔女「気に入ったよ。あんたの魂の器、広げてやろうか？」"},
        {"魔女「おまけだ。ついでに剣も鍛えてやろうかね？」"},
        {"魔女「欲張りは闇に傾くよ。ひっひっ、またおいで」"},
    }};
    switch (tell(story)) {
    case 4:
        return ask(2);
    case 5:
        return ask(1);
    }
    walkOn();
}

void witchInTown()
{
    meet(witch, 18, 4, -1);
    static const Story story{9, {
        {"魔女「おや、買い物かい。あたしは黒飴の仕入れさ」",
         "魔女「この街の金貨はね、死者が生きてた頃に惜しんだものの成れの果てさ」"},
        {"魔女「いいことを教えてやろう。カルマは、ひとに量られるもんじゃない」",
         "魔女「自分で自分に載せる重りさ。だから、自分でしか下ろせない」",
         "魔女「トトの天秤も、本当はそれを映してるだけなんだよ。ひっひっ」"},
        {"魔女「黒飴、ひとつおまけしてやろうか？……冗談さ」"},
    }};
    tell(story);
    walkOn();
}

void witchInTheField()
{
    meet(witch, 15, 14, -1);
    if (my.karma > 0)
        sayLines({"魔女「おや、ずいぶん光に傾いたね。まぶしいこと」",
                  "魔女「でも光も重りのうちさ。善いことを数えだしたら、気をつけな」"});
    else if (my.karma < 0)
        sayLines({"魔女「ひっひっ、闇に傾いてきたね。あたし好みだよ」",
                  "魔女「でもね、闇は居心地がいいぶん、底まで沈みやすいのさ」"});
    else
        sayLines({"魔女「どっちにも傾かない魂かい。天秤が退屈しちまうよ」"});
    walkOn();
}

void witchBeyond()
{
    meet(witch, 13, 4, -1);
    sayLines({"魔女「門の奥まで来たかい。ここからは、見知った顔ばかりだよ」"});
    walkOn();
}

void witchAtHome()
{
    meet(witch, int64_t(my.soulSword) + my.consciousness + my.soulArmor + 18, 4, -1);
    static const Story story{17, {
        {"魔女「ようこそ、あたしの小屋へ。散らかってるのは気にしないでおくれ」",
         "魔女「あたしはね、門も塔もなかった頃から、この世界にいるのさ」",
         "魔女「何ひとつ忘れられない。それが魔女の呪いってやつでね」"},
        {"魔女「管理者達？ひっひっ、あれはね、みんなが怖がるから生まれたのさ」",
         "魔女「量られたい、決めてほしい。そんな声の寄せ集めだよ」",
         "魔女「扉の奥に誰がいるか、あんたはもう半分わかってるんじゃないかい」"},
        {"魔女「茶はないって言ったろう。……ほら、黒飴でもなめていきな」"},
    }};
    if (tell(story) == 1)
        awardScore(500);
    walkOn();
}
