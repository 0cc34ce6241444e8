// The ranking reset: the title's button puts the default table back.
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "ui/dialogs.h"
#include "ui/form1.h"
#include "ui/sound.h"

void TForm1::Button7Click()
{
    playCue(0, "3.wav");
    if (!askYesNo("ランキングを初期化するよ？いいの？"_sj, /*erases=*/true)) {
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
