// エグゼ sank the souls that had lost themselves, on orders that came from
// behind the administrators' door. He never saw who wrote them; down in
// the depths he finds out whose hand it was.
#include "core/state.h"
#include "story/scene_kit.h"
#include "story/stories.h"
#include "ui/message.h"
#include "ui/status.h"

void exeInTheHall()
{
    meet(exe, int64_t(my.maxSoul) + 35, randomNamedItem(), 0);
    static const Story story{14, {
        {"エグゼ「……ここまで来た魂は久しぶりだ」",
         "エグゼ「俺はエグゼ。かつて、管理者達の執行者だった」",
         "エグゼ「自分を失くした魂を、底へ沈める。それが俺の仕事だった」",
         "エグゼ「命令はいつも、扉の奥から紙で届いた。姿を見たことはない」",
         "エグゼ「ただの一度もだ。……おかしいと思わないか」"},
        {"エグゼ「沈めた魂の数は、もう覚えていない」",
         "エグゼ「あるとき、沈めた魂が、俺と同じ声で泣いた」",
         "エグゼ「それから、命令の紙を開くのが怖くなった」",
         "エグゼ「あの字は、どこかで見た字だったんだ」"},
        {"エグゼ「おまえの名を聞かせてくれ。……$、か」",
         "エグゼ「名を失くさずにここまで来たなら、扉を開けられるかもしれん」",
         "エグゼ「俺には開けられなかった。扉の前に立つと、足がすくむ」",
         "エグゼ「奥にいるのが誰なのか、知るのが怖いんだ」"},
        {"エグゼ「決めたぞ。おまえに、この槍を向ける」",
         "エグゼ「俺ひとり越えられぬ者に、あの扉は開けられん」",
         "エグゼ「次に会ったら、本気で来い」"},
        {"エグゼ「来たか、$」",
         "エグゼ「扉の奥の答えを、俺の代わりに見てきてくれ」",
         "エグゼ「……ただし、俺を倒してからだ!!」"},
    }};
    switch (tell(story)) {
    case 3:
        awardScore(1000);
        break;
    case 4:
        return ambush();
    }
    walkOn();
}

void exeBeyondSilent()
{
    meet(exe, int64_t(my.maxSoul) + 35, randomNamedItem(), 0);
    walkOn();
}

void exeBeyond()
{
    meet(exe, int64_t(my.maxSoul) + 35, randomNamedItem(), 0);
    sayLines({"エグゼ「門の奥か。俺が沈めた魂たちも、ここを通れたのだろうか」"});
    walkOn();
}

void exeInTheDepths()
{
    meet(exe, int64_t(my.maxSoul) + 35, randomNamedItem(), 0);
    static const Story story{16, {
        {"エグゼ「$……か。こんな底まで落ちてくるとはな」"},
        {"エグゼ「ここは冥界の底。俺が沈めた魂たちの、行き着く場所だ」",
         "エグゼ「詫びに来た。……詫びる相手の名も、わからんがな」"},
        {"エグゼ「ここで、沈めた魂たちの声を聞いて回った」",
         "エグゼ「みんな、同じことを言っていた。『待ってるよ』と」",
         "エグゼ「この世界に来たとき、俺も同じ声を聞いた」",
         "エグゼ「あれは、管理者達の声ではなかった」",
         "エグゼ「命令の紙の字もそうだ。……あれは、俺自身の字だった」",
         "エグゼ「答えは扉の奥にある。俺はもう、怖くない」"},
        {"エグゼ「行け。俺はもう少し、ここで詫びていく」"},
    }};
    const int step = tell(story);
    if (step == 1 || step == 2)
        awardScore(500);
    walkOn();
}
