// The top-ten ranking: entering runs at a save, the record file, the text
// of the title screen and the reset.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/datafile.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/game.h"

namespace {

class Ranking : public ::testing::Test {
protected:
    TestGame game;
    TForm1& f = game.form();
    void SetUp() override
    {
        f.Timer1->stop();
        my.playerName = "ソウル"_sj;
        my.difficulty = 1;
        my.energySpent = 321;
        my.score = 0;
    }
    std::string recordFile() const { return readFile(game.dir.path() + "/記録.txt"); }
    // The default table, as the title screen's reset leaves it.
    void resetTable()
    {
        game.answers = {true};
        f.Button7Click();
    }
};

std::vector<int> scores()
{
    return {my.rankScore.begin() + 1, my.rankScore.end()};
}

TEST_F(Ranking, AScoreEqualToAPlaceRanksBelowIt)
{
    resetTable();
    my.score = 6000;
    enterRanking();
    EXPECT_EQ(scores(), (std::vector<int>{10000, 8000, 6000, 6000, 4000, 2000, 1000, 500, 100, 50}));
    EXPECT_EQ(my.rankName[3], "ガイガル"_sj);
    EXPECT_EQ(my.rankName[4], "ソウル [NOMAL]"_sj);
    EXPECT_EQ(my.rankEnergy[4], 321);
    EXPECT_EQ(my.rankName[5], "エグゼ"_sj);
    EXPECT_EQ(my.rankEnergy[5], 4360);   // each place moves with its name and energy
    EXPECT_EQ(my.rankName[10], "クグワ"_sj);   // "？" dropped out
}

TEST_F(Ranking, SavingTwiceAddsNothingButAHigherScoreTakesASecondPlace)
{
    resetTable();
    my.score = 3000;
    saveGame();
    saveGame();
    EXPECT_EQ(scores(), (std::vector<int>{10000, 8000, 6000, 4000, 3000, 2000, 1000, 500, 100, 50}));
    my.score = 9000;
    saveGame();
    EXPECT_EQ(scores(), (std::vector<int>{10000, 9000, 8000, 6000, 4000, 3000, 2000, 1000, 500, 100}));
    EXPECT_EQ(my.rankName[2], my.rankName[6]);
    // The same score under another difficulty is another entry.
    my.score = 9000;
    my.difficulty = 2;
    enterRanking();
    EXPECT_EQ(my.rankName[3], "ソウル [HARD]"_sj);
}

TEST_F(Ranking, ABestScoreTakesPlaceOne)
{
    resetTable();
    my.score = 20000;
    my.difficulty = 3;
    enterRanking();
    EXPECT_EQ(my.rankScore[1], 20000);
    EXPECT_EQ(my.rankName[1], "ソウル [EXTREAM]"_sj);
    EXPECT_EQ(my.rankScore[2], 10000);
    EXPECT_EQ(my.rankName[2], "クロイツ"_sj);
    EXPECT_EQ(my.rankEnergy[2], 9987);
}

TEST_F(Ranking, NothingOrLessNeverEnters)
{
    resetTable();
    const tmy before = my;
    for (int score : {0, -1, -5000}) {
        my.score = score;
        enterRanking();
        EXPECT_EQ(scores(), (std::vector<int>{10000, 8000, 6000, 4000, 2000, 1000, 500, 100, 50, 0}));
        EXPECT_EQ(my.rankName, before.rankName);
    }
}

TEST_F(Ranking, AnUnknownDifficultyEntersWithoutAName)
{
    resetTable();
    my.score = 700;
    my.difficulty = 4;
    enterRanking();
    EXPECT_EQ(my.rankScore[7], 700);
    EXPECT_EQ(my.rankName[7], "");
}

TEST_F(Ranking, TheRecordFileSumsUpTheTable)
{
    resetTable();
    my.tryCount = 12;
    my.crestUnderworld = my.crestSoul = my.crestRedSword = my.crestAdmins = 0;
    my.score = 20000;
    saveGame();
    const std::string expected =
        "★ミルヘデータ\r\n1位名前：ソウル [NOMAL]\r\nトライ回数：12回\r\n1位消費死のエネルギー：321∽\r\n"
        "1位個体スコア：20000pt.\r\n\r\n－－－－－－－－－－－－－－－－－－－－\r\n"
        "1.-- 20000pt. ソウル [NOMAL] (321∽消費)\r\n2.-- 10000pt. クロイツ (9987∽消費)\r\n"
        "3.-- 8000pt. 夜子 (8560∽消費)\r\n4.-- 6000pt. ガイガル (3740∽消費)\r\n"
        "5.-- 4000pt. エグゼ (4360∽消費)\r\n6.-- 2000pt. シグマ (7602∽消費)\r\n"
        "7.-- 1000pt. フーガ (5625∽消費)\r\n8.-- 500pt. デス (4502∽消費)\r\n"
        "9.-- 100pt. 天野めぐみ (2340∽消費)\r\n10.- 50pt. クグワ (1231∽消費)\r\n"_sj;
    EXPECT_EQ(recordFile(), expected);
}

TEST_F(Ranking, TheCrestLineHoldsTheMarksOwnedInTheirOrder)
{
    auto crestLine = [this] {
        const std::string file = recordFile();
        size_t at = 0;
        for (int line = 1; line < 6; ++line)
            at = file.find("\r\n", at) + 2;
        return file.substr(at, file.find("\r\n", at) - at);
    };
    my.crestUnderworld = my.crestSoul = my.crestRedSword = my.crestAdmins = 0;
    writeRecordFile();
    EXPECT_EQ(crestLine(), "");
    my.crestUnderworld = my.crestSoul = my.crestRedSword = my.crestAdmins = 1;
    writeRecordFile();
    EXPECT_EQ(crestLine(), "【冥土の紋】【魂の紋】【赤き剣の紋】【管理者達の紋】"_sj);
    my.crestSoul = 0;
    my.crestAdmins = -3;
    writeRecordFile();
    EXPECT_EQ(crestLine(), "【冥土の紋】【赤き剣の紋】"_sj);
}

TEST_F(Ranking, NegativeNumbersAreWrittenWithTheirSign)
{
    my.rankScore[10] = -40;
    my.rankEnergy[10] = -7;
    my.rankName[10] = "x";
    writeRecordFile();
    EXPECT_NE(recordFile().find("\r\n10.- -40pt. x (-7∽消費)\r\n"_sj), std::string::npos);
}

TEST_F(Ranking, SavingEntersTheRunBeforeWritingTheSave)
{
    resetTable();
    my.score = 4500;
    saveGame();
    const tmy saved = my;
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.rankScore[4], 4500);
    EXPECT_EQ(my.rankName[4], saved.rankName[4]);
}

TEST_F(Ranking, AFailedSaveLeavesTheRecordFileAlone)
{
    resetTable();
    const std::string record = recordFile();
    std::filesystem::create_directory(replaceTempPath(game.dir.dat("my.dat")));   // my.dat cannot be replaced
    my.score = 9500;
    EXPECT_THROW(saveGame(), EInOutError);
    EXPECT_EQ(recordFile(), record);
    EXPECT_EQ(my.rankScore[2], 9500);   // the ranking had already taken the run
}

// The record file and the save are written together or not at all: a
// record file that cannot be written keeps the save as it was.
TEST_F(Ranking, AFailedRecordFileKeepsTheSaveAsItWas)
{
    std::filesystem::create_directory(replaceTempPath(recordFilePath()));
    const int second = my.rankScore[2];
    my.score = 9500;
    EXPECT_THROW(saveGame(), EInOutError);
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.rankScore[2], second);
    EXPECT_EQ(recordFile(), "");
}

TEST_F(Ranking, TheTitleShowsTheTableWhileItIsUp)
{
    resetTable();
    my.tryCount = 3;
    f.Timer1Timer();
    const std::string text = f.rank_l->caption();
    EXPECT_EQ(text.substr(0, ("★個体スコアＲＡＮＫ\r――――――――――\r1.-- 10000pt. クロイツ (9987∽消費)\r"_sj).size()),
              "★個体スコアＲＡＮＫ\r――――――――――\r1.-- 10000pt. クロイツ (9987∽消費)\r"_sj);
    EXPECT_NE(text.find("\r10.- 0pt. ？ (452∽消費)\r\rTry回数:3回"_sj), std::string::npos);
    EXPECT_EQ(text, rankingText());

    my.score = 7000;
    enterRanking();
    f.Timer1Timer();
    EXPECT_NE(f.rank_l->caption().find("3.-- 7000pt. ソウル [NOMAL] (321∽消費)"_sj), std::string::npos);
    f.start_box->hide();
    my.tryCount = 4;
    f.Timer1Timer();
    EXPECT_NE(f.rank_l->caption().find("Try回数:3回"_sj), std::string::npos);
}

TEST_F(Ranking, TheResetRestoresTheDefaultsAndSaves)
{
    my.score = 500;
    my.playerName = "ab"_sj;
    for (int k = 1; k <= 10; ++k)
        my.rankScore[k] = 90000 - k;
    game.answers = {true};
    f.Button7Click();
    EXPECT_EQ(game.boxes, (std::vector<std::string>{"ランキングを初期化するよ？いいの？"_sj, "ランキングを初期化してしまったよ"_sj}));
    EXPECT_EQ(game.cues(0), (std::vector<std::string>{"3.wav", "4.wav"}));
    // The loaded run beats the default 500 and enters at once, below it.
    EXPECT_EQ(scores(), (std::vector<int>{10000, 8000, 6000, 4000, 2000, 1000, 500, 500, 100, 50}));
    EXPECT_EQ(my.rankName[8], "ab [NOMAL]");
    EXPECT_EQ(my.rankName[10], "クグワ"_sj);
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.rankName[1], "クロイツ"_sj);
    EXPECT_EQ(my.rankEnergy[9], 2340);
    EXPECT_NE(recordFile().find("1位名前：クロイツ\r\n"_sj), std::string::npos);
}

TEST_F(Ranking, ARefusedResetChangesNothing)
{
    my.score = 123;
    saveGame();
    const std::string save = readFile(game.dir.dat("my.dat"));
    const std::string record = recordFile();
    const tmy before = my;
    game.answers = {false};
    f.Button7Click();
    EXPECT_EQ(my.rankScore, before.rankScore);
    EXPECT_EQ(my.rankName, before.rankName);
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), save);
    EXPECT_EQ(recordFile(), record);
    EXPECT_EQ(game.boxes, std::vector<std::string>{"ランキングを初期化するよ？いいの？"_sj});
    EXPECT_EQ(game.cues(0), std::vector<std::string>{"3.wav"});
    EXPECT_EQ(game.cues(1), std::vector<std::string>{"no.wav"});
}

} // namespace
