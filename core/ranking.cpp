#include "core/ranking.h"

#include "core/datafile.h"
#include "core/language.h"
#include "core/paths.h"
#include "core/state.h"
#include "core/text.h"

namespace {

// "1.-- 6000pt. 名前 [NOMAL] (3740∽消費)": the prefix is five characters wide.
std::string placeLine(int k)
{
    const std::string prefix = k < 10 ? num(k) + ".-- " : num(k) + ".- ";
    return prefix + fill("%1pt. %2 (%3∽消費)"_sj, {num(my.rankScore[k]), tableText(my.rankName[k]), num(my.rankEnergy[k])});
}

} // namespace

void enterRanking()
{
    static const char* const suffixes[4] = {" [EASY]", " [NOMAL]", " [HARD]", " [EXTREAM]"};
    const std::string name =
        my.difficulty >= 0 && my.difficulty <= 3 ? my.playerName + suffixes[my.difficulty] : std::string();
    int k = 1;
    while (k <= 10 && my.rankScore[k] >= my.score)
        ++k;
    if (k > 10)
        return;
    // The same run saved again at the same score is already in the table.
    if (k > 1 && my.rankScore[k - 1] == my.score && my.rankName[k - 1] == name)
        return;
    for (int i = 10; i > k; --i) {
        my.rankScore[i] = my.rankScore[i - 1];
        my.rankName[i] = my.rankName[i - 1];
        my.rankEnergy[i] = my.rankEnergy[i - 1];
    }
    my.rankScore[k] = my.score;
    my.rankName[k] = name;
    my.rankEnergy[k] = my.energySpent;
}

std::string recordFilePath() { return userDir() + "/記録.txt"; }   // tr: none

std::string recordFileBytes()
{
    std::string crests;
    if (my.crestUnderworld >= 1)
        crests += "【冥土の紋】"_sj;
    if (my.crestSoul >= 1)
        crests += "【魂の紋】"_sj;
    if (my.crestRedSword >= 1)
        crests += "【赤き剣の紋】"_sj;
    if (my.crestAdmins >= 1)
        crests += "【管理者達の紋】"_sj;
    DataWriter out;
    out.writeString("★ミルヘデータ"_sj);
    out.writeString(fill("1位名前：%1"_sj, {tableText(my.rankName[1])}));
    out.writeString(fill("トライ回数：%1回"_sj, {num(my.tryCount)}));
    out.writeString(fill("1位消費死のエネルギー：%1∽"_sj, {num(my.rankEnergy[1])}));
    out.writeString(fill("1位個体スコア：%1pt."_sj, {num(my.rankScore[1])}));
    out.writeString(crests);
    out.writeString("－－－－－－－－－－－－－－－－－－－－"_sj);
    for (int k = 1; k <= 10; ++k)
        out.writeString(placeLine(k));
    return out.bytes();
}

void writeRecordFile() { replaceFile(recordFilePath(), recordFileBytes()); }

std::string rankingText()
{
    std::string text = "★個体スコアＲＡＮＫ\r――――――――――"_sj;
    for (int k = 1; k <= 10; ++k)
        text += "\r" + placeLine(k);
    return text + "\r\r" + fill("Try回数:%1回"_sj, {num(my.tryCount)});
}
