#include "story/scene_kit.h"

#include "core/state.h"
#include "core/sums.h"
#include "core/text.h"
#include "ui/form1.h"
#include "ui/message.h"
#include "ui/pictures.h"

std::string spoken(const char* line)
{
    // '$' (0x24) is never the second byte of a CP932 character.
    const std::string text = sjis(line);
    std::string out;
    for (char c : text)
        if (c == '$')
            out += my.playerName;
        else
            out += c;
    return out;
}

void sayLines(const Lines& lines)
{
    for (const char* line : lines)
        say(spoken(line));
}

void setEnemy(int64_t strength, int item, int alignment)
{
    enemyMaxHp = saturate(strength);   // worked out from numbers a save may hold at their limits
    enemyItem = item;
    enemyAlignment = alignment;
}

void introduce(const Cast& who) { showProfile(sjis(who.profile)); }

void meet(const Cast& who, int64_t strength, int item, int alignment)
{
    setEnemy(strength, item, alignment);
    fadeInPortrait(who.picture);
    introduce(who);
}

int tell(const Story& story)
{
    int32_t& stage = my.eventFlag[story.flag];
    const int top = int(story.stages.size()) - 1;
    if (stage < 0 || stage > top)
        return -1;
    const int step = stage;
    if (step < top)
        stage = step + 1;
    sayLines(story.stages[step]);
    return step;
}

void walkOn()
{
    Form1->battle_b->show();
    Form1->walk_b->show();
}

void attack()
{
    ambush();
    walkOn();   // walking is refused while the fight is on
}

void ask(int question)
{
    Form1->select_box->show();
    pendingQuestion = question;
}
