// The data files: the token rules, loading and saving the state, failures
// with their partial results, and the safe replacement of the save.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/datafile.h"
#include "core/paths.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/app.h"
#include "ui/dialogs.h"

namespace {

// Collects the boxes shown while it lives.
struct Boxes {
    std::vector<std::string> texts;
    Boxes()
    {
        setDialogHook([this](bool, const std::string& t) {
            texts.push_back(t);
            return false;
        });
    }
    ~Boxes() { setDialogHook(nullptr); }
};

// The file with its 1-based line n replaced.
std::string withLine(std::string file, int n, const std::string& text)
{
    size_t pos = 0;
    for (int i = 1; i < n; ++i)
        pos = file.find("\r\n", pos) + 2;
    return file.replace(pos, file.find("\r\n", pos) - pos, text);
}

TEST(DataReader, IntegersSkipBlankLinesAndDiscardTheRestOfTheirLine)
{
    DataReader in(" \r\n\t\r\n  42 trailing words\r\n-7\r\n+5\r\n");
    EXPECT_EQ(in.readInt(), 42);
    EXPECT_EQ(in.readInt(), -7);
    EXPECT_EQ(in.readInt(), 5);
    EXPECT_EQ(in.readInt(), 0);   // past the end
    EXPECT_EQ(in.readString(), "");
}

TEST(DataReader, StringsAreWholeLinesEvenWhenEmptyOrBlank)
{
    DataReader in("first\r\n\r\n  spaced  \r\n12\r\n");
    EXPECT_EQ(in.readString(), "first");
    EXPECT_EQ(in.readString(), "");
    EXPECT_EQ(in.readString(), "  spaced  ");
    EXPECT_EQ(in.readInt(), 12);
}

TEST(DataReader, LineFeedOnlyFilesReadTheSame)
{
    DataReader in("name\n\n3\nlast");
    EXPECT_EQ(in.readString(), "name");
    EXPECT_EQ(in.readInt(), 3);   // the blank line is skipped
    EXPECT_EQ(in.readString(), "last");
}

TEST(DataReader, NonNumbersAndNumbersBeyond32BitsAreNotNumeric)
{
    for (const char* bad : {"12x\r\n", "abc\r\n", "-\r\n", "2147483648\r\n", "-2147483649\r\n",
                            "99999999999999999999999999999999999999\r\n"}) {
        DataReader in(bad);
        try {
            in.readInt();
            ADD_FAILURE() << bad;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.what(), "入力値が数値ではありません"_sj) << bad;
        }
    }
    DataReader edges("2147483647\r\n-2147483648\r\n");
    EXPECT_EQ(edges.readInt(), INT32_MAX);
    EXPECT_EQ(edges.readInt(), INT32_MIN);
}

class SaveFiles : public ::testing::Test {
protected:
    TempAppDir dir;
    void SetUp() override
    {
        my = tmy{};
        loadGameData();
    }
};

TEST_F(SaveFiles, SaveThenLoadRestoresEveryField)
{
    tmy saved;
    saved.playerName = "ﾐﾙﾍ "_sj;   // ends in a blank
    int32_t v = -1000;
    for (int32_t* f : {&saved.statusFaith, &saved.statusGrudge, &saved.statusPoison, &saved.statusHeal,
                       &saved.crestUnderworld, &saved.crestSoul, &saved.crestRedSword, &saved.crestAdmins,
                       &saved.difficulty, &saved.energySpent, &saved.karma, &saved.soulArmor, &saved.score,
                       &saved.deathEnergy, &saved.coins, &saved.currentArea, &saved.distance, &saved.tryCount,
                       &saved.reserved2, &saved.memory, &saved.reserved1, &saved.soulSword,
                       &saved.consciousness, &saved.maxSoul, &saved.soul})
        *f = v += 37;
    for (int k = 1; k <= 10; ++k) {
        saved.rankScore[k] = -k * 1000;
        saved.rankEnergy[k] = k * 7;
        saved.rankName[k] = k % 3 == 0 ? std::string() : "名前"_sj + num(k);
    }
    saved.score = -20000;   // below every place: the save leaves the ranking as it is
    for (int i = 0; i < 256; ++i) {
        saved.itemCount[i] = i - 128;
        saved.eventFlag[i] = 255 - i;
    }
    for (int i = 0; i < 99; ++i)
        saved.areaClears[i] = -i;

    my = saved;
    saveGame();
    const std::string bytes = readFile(dir.dat("my.dat"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 667);
    my = tmy{};
    loadGameData();
    EXPECT_EQ(my.playerName, saved.playerName);
    EXPECT_EQ(my.statusHeal, saved.statusHeal);
    EXPECT_EQ(my.crestAdmins, saved.crestAdmins);
    EXPECT_EQ(my.difficulty, saved.difficulty);
    EXPECT_EQ(my.energySpent, saved.energySpent);
    EXPECT_EQ(my.karma, saved.karma);
    EXPECT_EQ(my.soulArmor, saved.soulArmor);
    EXPECT_EQ(my.score, saved.score);
    EXPECT_EQ(my.deathEnergy, saved.deathEnergy);
    EXPECT_EQ(my.coins, saved.coins);
    EXPECT_EQ(my.currentArea, saved.currentArea);
    EXPECT_EQ(my.distance, saved.distance);
    EXPECT_EQ(my.tryCount, saved.tryCount);
    EXPECT_EQ(my.reserved2, saved.reserved2);
    EXPECT_EQ(my.memory, saved.memory);
    EXPECT_EQ(my.reserved1, saved.reserved1);
    EXPECT_EQ(my.soulSword, saved.soulSword);
    EXPECT_EQ(my.consciousness, saved.consciousness);
    EXPECT_EQ(my.maxSoul, saved.maxSoul);
    EXPECT_EQ(my.soul, saved.soul);
    EXPECT_EQ(my.statusFaith, saved.statusFaith);
    EXPECT_EQ(my.statusGrudge, saved.statusGrudge);
    EXPECT_EQ(my.statusPoison, saved.statusPoison);
    EXPECT_EQ(my.crestUnderworld, saved.crestUnderworld);
    EXPECT_EQ(my.crestSoul, saved.crestSoul);
    EXPECT_EQ(my.crestRedSword, saved.crestRedSword);
    EXPECT_EQ(my.rankScore, saved.rankScore);
    EXPECT_EQ(my.rankEnergy, saved.rankEnergy);
    EXPECT_EQ(my.rankName, saved.rankName);
    EXPECT_EQ(my.itemCount, saved.itemCount);
    EXPECT_EQ(my.areaClears, saved.areaClears);
    EXPECT_EQ(my.eventFlag, saved.eventFlag);
}

TEST_F(SaveFiles, AnEmptyNameIsWrittenAsAnEmptyLine)
{
    my.playerName.clear();
    saveGame();
    const std::string bytes = readFile(dir.dat("my.dat"));
    EXPECT_EQ(withLine(bytes, 5, ""), bytes);   // line 5, the name, is empty
}

TEST_F(SaveFiles, AShortSaveReadsTheMissingValuesAsZeroAndExtraLinesAreIgnored)
{
    my.statusHeal = 9;
    my.statusPoison = 4;
    saveGame();
    std::string bytes = readFile(dir.dat("my.dat"));
    bytes.resize(bytes.rfind("9\r\n"));   // 666 lines: the last status missing
    writeFile(dir.dat("my.dat"), bytes + "");
    my.statusHeal = 5;
    loadGameData();
    EXPECT_EQ(my.statusHeal, 0);
    EXPECT_EQ(my.statusPoison, 4);

    writeFile(dir.dat("my.dat"), bytes + "1\r\nextra\r\nlines\r\n");
    loadGameData();
    EXPECT_EQ(my.statusHeal, 1);
}

TEST_F(SaveFiles, AMissingSaveIsReportedAndTheTablesAreNotRead)
{
    Boxes boxes;
    itemTable[1].name = "before";
    my.coins = 77;
    std::filesystem::remove(dir.dat("my.dat"));
    guarded([] { loadGameData(); });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "ﾌｧｲﾙが見つかりません"_sj);
    EXPECT_EQ(itemTable[1].name, "before");
    EXPECT_EQ(my.coins, 77);
}

TEST_F(SaveFiles, ANonNumericValueKeepsWhatWasReadBeforeIt)
{
    Boxes boxes;
    my.memory = 3;
    my.soul = 4;
    my.consciousness = 5;
    saveGame();
    // Line 3 (soul) becomes text: lines 1 and 2 are read, the rest kept.
    std::string bytes = withLine(withLine(readFile(dir.dat("my.dat")), 1, "-8"), 2, "21");
    writeFile(dir.dat("my.dat"), withLine(bytes, 3, "soul?"));
    my.memory = 0;
    my.soul = 99;
    guarded([] { loadGameData(); });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "入力値が数値ではありません"_sj);
    EXPECT_EQ(my.reserved1, -8);
    EXPECT_EQ(my.memory, 21);
    EXPECT_EQ(my.soul, 99);
    EXPECT_EQ(my.consciousness, 5);
}

TEST_F(SaveFiles, AnItemWithAnEmptyNameIsNoItem)
{
    ASSERT_FALSE(itemTable[100].name.empty());
    writeFile(dir.dat("item.dat"), withLine(readFile(dir.dat("item.dat")), 100 * 4 + 1, ""));
    loadGameData();
    EXPECT_EQ(itemTable[100].name, "");
    EXPECT_FALSE(itemTable[100].description.empty());   // the rest of the record is read as ever
    EXPECT_FALSE(itemTable[101].name.empty());
}

TEST_F(SaveFiles, AFailedSaveKeepsTheOldFileWholeAndIsReported)
{
    Boxes boxes;
    const std::string before = readFile(dir.dat("my.dat"));
    // The temporary file cannot be created: something else already sits there.
    std::filesystem::create_directory(dir.dat("my.dat.tmp"));
    my.coins = 12345;
    guarded([] { saveGame(); });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "ﾌｧｲﾙ ｱｸｾｽが拒否されました"_sj);
    EXPECT_EQ(readFile(dir.dat("my.dat")), before);
}

TEST(ReplaceFile, ADiskFullWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TempAppDir dir;
    const std::string path = dir.path() + "/save.txt";
    writeFile(path, "old");
    // /dev/full refuses every write with "no space left on device".
    std::filesystem::create_symlink("/dev/full", path + ".tmp");
    try {
        replaceFile(path, std::string(100000, 'x'));
        ADD_FAILURE() << "the write succeeded";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.what(), "ﾃﾞｨｽｸがいっぱいです"_sj);
    }
    EXPECT_EQ(readFile(path), "old");
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST(ResetRun, ClearsTheRunAndKeepsWhatOutlivesIt)
{
    my = tmy{};
    my.itemCount[5] = 3;
    my.eventFlag[254] = 1;
    my.eventFlag[255] = 1;
    my.areaClears[7] = 2;
    my.coins = my.memory = my.consciousness = my.soulSword = my.soulArmor = my.karma = my.energySpent = 9;
    my.playerName = "x";
    my.currentArea = 4;
    my.statusPoison = 2;
    my.difficulty = 2;
    my.score = 500;
    my.deathEnergy = 33;
    my.tryCount = 6;
    my.crestSoul = 1;
    my.rankScore[1] = 10000;
    resetRun();
    EXPECT_EQ(my.itemCount[5], 0);
    EXPECT_EQ(my.eventFlag[254], 0);
    EXPECT_EQ(my.eventFlag[255], 1);
    EXPECT_EQ(my.areaClears[7], 0);
    EXPECT_EQ(my.coins, 0);
    EXPECT_EQ(my.karma, 0);
    EXPECT_EQ(my.soul, 10);
    EXPECT_EQ(my.maxSoul, 10);
    EXPECT_EQ(my.playerName, "");
    EXPECT_EQ(my.currentArea, 0);
    EXPECT_EQ(my.statusPoison, 0);
    EXPECT_EQ(my.difficulty, 2);
    EXPECT_EQ(my.score, 500);
    EXPECT_EQ(my.deathEnergy, 33);
    EXPECT_EQ(my.tryCount, 6);
    EXPECT_EQ(my.crestSoul, 1);
    EXPECT_EQ(my.rankScore[1], 10000);
}

} // namespace
