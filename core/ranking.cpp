#include "core/ranking.h"

#include "core/datafile.h"
#include "core/paths.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/sound.h"

namespace {

// "1.-- 6000pt. 名前 [NOMAL] (3740∽消費)": the prefix is five characters wide.
std::string placeLine(int k)
{
    const std::string prefix = k < 10 ? num(k) + ".-- " : num(k) + ".- ";
    return prefix + num(my.rankScore[k]) + "pt. " + my.rankName[k] + " (" + num(my.rankEnergy[k]) + "∽消費)"_sj;
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

void writeRecordFile()
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
    out.writeString("1位名前："_sj + my.rankName[1]);
    out.writeString("トライ回数："_sj + num(my.tryCount) + "回"_sj);
    out.writeString("1位消費死のエネルギー："_sj + num(my.rankEnergy[1]) + "∽"_sj);
    out.writeString("1位個体スコア："_sj + num(my.rankScore[1]) + "pt.");
    out.writeString(crests);
    out.writeString("－－－－－－－－－－－－－－－－－－－－"_sj);
    for (int k = 1; k <= 10; ++k)
        out.writeString(placeLine(k));
    replaceFile(appDir() + "/記録.txt", out.bytes());
}

std::string rankingText()
{
    std::string text = "★個体スコアＲＡＮＫ\r――――――――――"_sj;
    for (int k = 1; k <= 10; ++k)
        text += "\r" + placeLine(k);
    return text + "\r\rTry回数:"_sj + num(my.tryCount) + "回"_sj;
}

void TForm1::Button7Click()
{
    playCue(0, "3.wav");
    if (!askYesNo("ランキングを初期化するよ？いいの？"_sj)) {
        playCue(1, "no.wav");
        return;
    }
    playCue(0, "4.wav");
    static const struct {
        int score;
        const char* name;
        int energy;
    } defaults[10] = {
        {10000, "クロイツ", 9987}, {8000, "夜子", 8560}, {6000, "ガイガル", 3740}, {4000, "エグゼ", 4360},
        {2000, "シグマ", 7602},    {1000, "フーガ", 5625}, {500, "デス", 4502},    {100, "天野めぐみ", 2340},
        {50, "クグワ", 1231},      {0, "？", 452},
    };
    for (int k = 1; k <= 10; ++k) {
        my.rankScore[k] = defaults[k - 1].score;
        my.rankName[k] = toCp932(defaults[k - 1].name).value();
        my.rankEnergy[k] = defaults[k - 1].energy;
    }
    saveGame();
    showMessage("ランキングを初期化してしまったよ"_sj);
}
