// The people of the judgement gate. めぐみ asks every newcomer's name and
// shows the way to トト, who weighs the heart; the others loiter, run or
// hurt. Beyond the gate the same faces turn up again, a little changed.
#include "core/rng.h"
#include "core/state.h"
#include "core/sums.h"
#include "story/scene_kit.h"
#include "story/stories.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"
#include "ui/status.h"

void megumiAtTheGate()
{
    // She speaks before she is seen.
    setEnemy(5, 0, 1);
    introduce(megumi);
    fadeInPortrait(megumi.picture);
    if (my.eventFlag[0] != 0) {
        sayLines({"めぐみ「$クン。門を通るなら、トトさんに心臓を量ってもらってね」"});
        return walkOn();
    }
    sayLines({"めぐみ「こんにちは。わたし、天野めぐみ。……ねえ、きみの名前は？」"});
    Form1->name_box->move(0, 167);
    Form1->name_box->show();
    Form1->name_l->setFocus();   // the name is typed straight in
}

void megumiInTheField()
{
    meet(megumi, 9, 1, 1);
    static const Story story{10, {
        {"めぐみ「あ……来てくれたんだ。ここの紫の草、きれいでしょう」",
         "めぐみ「門の案内、少しお休みしてるの。ちょっと、疲れちゃって」"},
        {"めぐみ「ねえ、$クン。わたしの顔、ちゃんと見えてる？」",
         "めぐみ「最近ね、鏡を見てもぼんやりするの。自分の顔なのにね」"},
        {"めぐみ「ここに長くいるとね、自分のことから忘れていくんだって」",
         "めぐみ「$クン……もう少しだけ、そばにいてくれる？」"},
        {"めぐみ「思い出したの。ここに来たとき聞いた声。『待ってるよ』って」",
         "めぐみ「あれ、わたしの声だった。生きてた頃の、わたしの声」",
         "めぐみ「誰かを待ってたんじゃない。わたしが、わたしを待たせてたの」",
         "めぐみ「だから、行くね。わたしを迎えに」",
         "めぐみ「きみも、きっと見つかるよ。名前を、なくさないでね」"},
        {"めぐみ「……お別れしたのに、道に迷っちゃった。えへへ、ないしょね」"},
    }};
    switch (tell(story)) {
    case 2:
        ask(11);   // and she lets the soul go as it likes
        break;
    case 3:
        awardScore(200);
        break;
    }
    walkOn();
}

void megumiBeyond()
{
    // Only her voice comes: the scene keeps what it showed.
    setEnemy(5, 0, 1);
    introduce(megumi);
    sayLines({"めぐみ「（どこからか、めぐみの声がする）こっちだよ。迷わないでね」"});
    walkOn();
}

void nagukuAtTheGate()
{
    meet(naguku, 4, 1, -1);
    sayLines({"ナグク「へへっ、新入り？トトの天秤には近づかない方がいいぜ」"});
    walkOn();
}

void nagukuInTheField()
{
    meet(naguku, 15, 1, -1);
    static const Story story{11, {
        {"ナグク「げっ、見つかった。……なんだよ、門に戻れって？」",
         "ナグク「やだね。トトの天秤なんか、オレが載ったら絶対沈むもん」",
         "ナグク「母ちゃんの大事な茶碗、割ったのを黙ってたんだ。死ぬまで」",
         "ナグク「謝ろうと思ってたのに、その前に、こっちに来ちまった」",
         "ナグク「……なあ。今からでも謝ったら、軽くなるかな」"},
        {"ナグク「まだ考え中！……でも、この草、あの茶碗と同じ色なんだ」",
         "ナグク「だからここにいると、ちょっとだけ謝ってる気がするんだ」"},
    }};
    tell(story);
    walkOn();
}

void nagukuBeyond()
{
    meet(naguku, 4, 1, -1);
    sayLines({"ナグク「へへっ、天秤、沈まなかったぜ!!……ちょっと傾いたけどな」"});
    walkOn();
}

void gaigaruAtTheGate()
{
    meet(gaigaru, 6, 1, 0);
    sayLines({"ガイガル「おっと、いい魂のにおいがするじゃねえか」",
              "ガイガル「脱獄の土産だ。ちょいと分けてもらうぜぇ!!」"});
    ambush();
}

void gaigaruInTheField()
{
    const int strength = saturate(int64_t(my.consciousness) + my.maxSoul + 8);
    const int item = R(254);   // whatever he picked up on the way
    meet(gaigaru, strength, at(itemTable, item).name.empty() ? 1 : item, 0);
    sayLines({"ガイガル「……なんだ、おまえか。今日はやらねえよ」",
              "ガイガル「この原っぱにいるとな、牢の壁の色を忘れられるんだ」"});
    walkOn();
}

void gaigaruBeyond()
{
    meet(gaigaru, 6, 1, 0);
    sayLines({"ガイガル「門の奥でやり直せるだと？嘘っぱちだ!!八つ当たりさせろ!!」"});
    ambush();
}

void hirokoAtTheGate()
{
    meet(hiroko, 8, 2, -1);
    sayLines({"ヒロコ「ピピ……こんにちは。ワタシ、ここでは、こういう形なの」"});
    walkOn();
}

void hirokoBeyond()
{
    meet(hiroko, int64_t(my.consciousness) + 8, 2, -1);
    sayLines({"ヒロコ「ピ……最近、油の代わりにお茶を飲んでみてるの。あったかい」"});
    walkOn();
}

void pedoAtTheGate()
{
    meet(pedo, 7, 3, 0);
    sayLines({"ペド「……痛い。どこも怪我してないのに、ずっと、ずっと痛いの」"});
    walkOn();
}

void pedoBeyond()
{
    meet(pedo, int64_t(R(5)) + my.soulSword + my.soulArmor + my.consciousness + 7, 3, 0);
    sayLines({"ペド「痛いの、少しだけ減ったの。……ここまで、自分で歩けたから」"});
    walkOn();
}

void totoAtTheGate()
{
    meet(toto, 53, 5, 3);
    static const Story story{2, {
        {"トト「我はトト、心臓を量る者。汝、己の死を受け入れるか」"},
        {"トト「受け入れた魂は少し軽くなる。生への未練の分だけな」",
         "トト「この天秤の片方には、真理の羽根が載っている」",
         "トト「汝の心臓を、もう片方に載せるか」"},
        {"トト「……釣り合った。門は、汝を拒まぬ」"},
        {"トト「汝の心臓は、まだ鳴っている。死者にしては珍しいことだ」",
         "トト「その音を失くすな。それが汝を、汝のままにしておく」"},
        {"トト「量るべきものは、もう量った。行け」"},
    }};
    switch (tell(story)) {
    case 0:
        return ask(4);
    case 1:
        return ask(3);
    case 3:
        awardScore(100);
        break;
    }
    walkOn();
}

void totoBeyond()
{
    meet(toto, 53, 5, 3);
    sayLines({"トト「量られた後も、道は続く。己の心臓の音を、聞き続けよ」"});
    walkOn();
}
