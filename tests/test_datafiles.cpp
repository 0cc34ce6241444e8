// The data files: the token rules, loading and saving the state, failures
// with their partial results, and the safe replacement of the save.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <QTest>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>

#include "battle/defeat.h"
#include "core/datafile.h"
#include "core/paths.h"
#include "core/ranking.h"
#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "tests/support/app.h"
#include "tests/support/game.h"
#include "ui/controls.h"
#include "ui/dialogs.h"

using namespace std::string_literals;

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

// Where the file's 1-based line n begins.
size_t lineStart(const std::string& file, int n)
{
    size_t pos = 0;
    for (int i = 1; i < n; ++i)
        pos = file.find("\r\n", pos) + 2;
    return pos;
}

// The file with its line n replaced.
std::string withLine(std::string file, int n, const std::string& text)
{
    const size_t pos = lineStart(file, n);
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

std::string errorOf(const std::function<void()>& read)
{
    try {
        read();
    } catch (const EInOutError& e) {
        return e.what();
    }
    return "no error";
}

TEST(DataReader, ANamedFileSaysWhereItFailedAndAWholeFileMayNotEndEarly)
{
    // Blank lines, LF and lone CR line ends all count as lines.
    DataReader in("1\r\n\r\n2\n\r3\rx\r\n", "t.dat");
    in.readInt();
    in.readInt();
    in.readInt();
    EXPECT_EQ(errorOf([&] { in.readInt(); }), "入力値が数値ではありません\r(t.dat 6行目)"_sj);
    DataReader range("5\r\n-2\r\n", "t.dat");
    EXPECT_EQ(range.readInt(-1, 5), 5);
    EXPECT_EQ(errorOf([&] { range.readInt(-1, 5); }), "入力値が範囲外です\r(t.dat 2行目)"_sj);

    const std::string pastEnd = "ﾌｧｲﾙの終わりを越えて読み込もうとしました"_sj;
    DataReader empty("", "my.dat", PastEnd::Error);
    EXPECT_EQ(errorOf([&] { empty.readInt(); }), pastEnd + "\r(my.dat 1行目)"_sj);
    DataReader cut("7\r\nname\r\n12", "my.dat", PastEnd::Error);   // the last line without its end
    EXPECT_EQ(cut.readInt(), 7);
    EXPECT_EQ(cut.readString(), "name");
    EXPECT_EQ(cut.readInt(), 12);
    EXPECT_EQ(errorOf([&] { cut.readString(); }), pastEnd + "\r(my.dat 4行目)"_sj);
    DataReader tail("7\r\n\r\n", "my.dat", PastEnd::Error);
    tail.readInt();
    EXPECT_EQ(errorOf([&] { tail.readInt(); }), pastEnd + "\r(my.dat 3行目)"_sj);
}

TEST(DataReader, ControlCharactersInAStringReadAsBlanksAndAreWrittenAsBlanks)
{
    DataReader in("a\tb\x01\x1f\r\n\x7f\r\n");
    EXPECT_EQ(in.readString(), "a b  ");
    EXPECT_EQ(in.readString(), "\x7f");
    DataWriter out;
    out.writeString("x\r\ny\tz\0"s);
    EXPECT_EQ(out.bytes(), "x  y z \r\n");
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
    saved.currentArea = 98;   // the last area of the table

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

TEST_F(SaveFiles, ASaveThatEndsEarlyIsRefusedButExtraLinesAreIgnored)
{
    Boxes boxes;
    my.statusHeal = 9;
    my.statusPoison = 4;
    saveGame();
    const std::string whole = readFile(dir.dat("my.dat"));
    std::string bytes = whole;
    bytes.resize(bytes.rfind("9\r\n"));   // 666 lines: the last status missing
    my.statusHeal = 5;
    const std::string pastEnd = "ﾌｧｲﾙの終わりを越えて読み込もうとしました"_sj;
    // A line short; cut inside line 300, whose value is read as it stands;
    // empty.
    const std::string cut = whole.substr(0, lineStart(whole, 300) + 1);
    for (const auto& [file, where] : {std::pair{bytes, "(my.dat 667行目)"}, std::pair{cut, "(my.dat 301行目)"},
                                      std::pair{std::string(), "(my.dat 1行目)"}}) {
        writeFile(dir.dat("my.dat"), file);
        boxes.texts.clear();
        guarded([] { loadGameData(); });
        EXPECT_EQ(boxes.texts, std::vector<std::string>{pastEnd + "\r" + toCp932(where).value()});
        EXPECT_EQ(my.statusHeal, 5);
        EXPECT_EQ(readFile(dir.dat("my.dat")), file);   // the damaged file stays as it was
    }

    writeFile(dir.dat("my.dat"), bytes + "1\r\nextra\r\nlines\r\n");
    loadGameData();
    EXPECT_EQ(my.statusHeal, 1);
    EXPECT_EQ(my.statusPoison, 4);
}

TEST_F(SaveFiles, ShortTablesReadTheMissingValuesAsZeroAndEmpty)
{
    std::string items = readFile(dir.dat("item.dat"));
    items.resize(items.find("\r\n") + 2);   // the first name only
    writeFile(dir.dat("item.dat"), items);
    writeFile(dir.dat("map.dat"), "");
    loadGameData();
    EXPECT_FALSE(itemTable[0].name.empty());
    EXPECT_EQ(itemTable[0].kind, 0);
    EXPECT_EQ(itemTable[1].name, "");
    EXPECT_EQ(areaTable[0].name, "");
    EXPECT_EQ(areaTable[0].length, 0);
}

TEST_F(SaveFiles, AMissingSaveIsReportedAndTheTablesAreNotRead)
{
    Boxes boxes;
    itemTable[1].name = "before";
    my.coins = 77;
    std::filesystem::remove(dir.dat("my.dat"));
    guarded([] { loadGameData(); });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "ﾌｧｲﾙが見つかりません\r(my.dat)"_sj);
    EXPECT_EQ(itemTable[1].name, "before");
    EXPECT_EQ(my.coins, 77);
}

TEST_F(SaveFiles, AFailedLoadChangesNothingAtAll)
{
    Boxes boxes;
    my.memory = 3;
    my.soul = 4;
    saveGame();
    // Line 3 (soul) becomes text: the lines before it are read, but not kept.
    std::string bytes = withLine(withLine(readFile(dir.dat("my.dat")), 1, "-8"), 2, "21");
    writeFile(dir.dat("my.dat"), withLine(bytes, 3, "soul?"));
    my.soul = 99;
    guarded([] { loadGameData(); });
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"入力値が数値ではありません\r(my.dat 3行目)"_sj});
    EXPECT_EQ(my.reserved1, 0);
    EXPECT_EQ(my.memory, 3);
    EXPECT_EQ(my.soul, 99);

    // The last file failing leaves the state and the first table as they were too.
    writeFile(dir.dat("my.dat"), bytes);
    const std::string map = readFile(dir.dat("map.dat"));
    writeFile(dir.dat("map.dat"), withLine(map, 396, "long?"));
    itemTable[1].name = "before";
    boxes.texts.clear();
    guarded([] { loadGameData(); });
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"入力値が数値ではありません\r(map.dat 396行目)"_sj});
    EXPECT_EQ(my.memory, 3);
    EXPECT_EQ(itemTable[1].name, "before");
    writeFile(dir.dat("map.dat"), map);
    loadGameData();
    EXPECT_EQ(my.memory, 21);
    EXPECT_NE(itemTable[1].name, "before");
}

TEST_F(SaveFiles, AnAreaOutsideTheAreaTableIsRefused)
{
    Boxes boxes;
    saveGame();
    const std::string bytes = readFile(dir.dat("my.dat"));
    for (const char* area : {"99", "-2", "2147483647"}) {
        writeFile(dir.dat("my.dat"), withLine(bytes, 266, area));
        boxes.texts.clear();
        guarded([] { loadGameData(); });
        EXPECT_EQ(boxes.texts, std::vector<std::string>{"入力値が範囲外です\r(my.dat 266行目)"_sj}) << area;
    }
    // The map, an area the game never walks, and a difficulty it does not know still load.
    for (int area : {-1, 14, 98}) {
        writeFile(dir.dat("my.dat"), withLine(withLine(bytes, 266, num(area)), 659, "7"));
        loadGameData();
        EXPECT_EQ(my.currentArea, area);
        EXPECT_EQ(my.difficulty, 7);
    }
}

TEST_F(SaveFiles, AfterAFailedLoadNothingIsWrittenUntilALoadSucceeds)
{
    Boxes boxes;
    my.tryCount = 3;
    saveGame();
    const std::string record = readFile(recordFilePath());
    const std::string damaged = withLine(readFile(dir.dat("my.dat")), 300, "x");
    writeFile(dir.dat("my.dat"), damaged);
    EXPECT_FALSE(loadFailed());
    guarded([] { loadGameData(); });
    EXPECT_TRUE(loadFailed());
    my.score = 99999;
    boxes.texts.clear();
    guarded([] { saveGame(); });
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"my.datを読み込めなかったので、セーブを取りやめました"_sj});
    EXPECT_EQ(readFile(dir.dat("my.dat")), damaged);
    EXPECT_EQ(readFile(recordFilePath()), record);
    EXPECT_NE(my.rankScore[1], 99999);   // nor is the ranking touched

    writeFile(dir.dat("my.dat"), withLine(damaged, 300, "0"));   // mended by hand
    loadGameData();
    EXPECT_FALSE(loadFailed());
    my.tryCount = 4;
    saveGame();
    EXPECT_NE(readFile(recordFilePath()).find("トライ回数：4回"_sj), std::string::npos);
}

TEST_F(SaveFiles, ControlCharactersAreSavedAsBlanksSoTheSaveLoadsBackAsItWas)
{
    my.playerName = "ab\r\ncd\t";
    my.rankName[3] = "x\ny";
    saveGame();
    const std::string bytes = readFile(dir.dat("my.dat"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 667);
    EXPECT_EQ(my.playerName, "ab  cd ");   // the state holds what the file holds
    EXPECT_EQ(my.rankName[3], "x y");
    const std::string record = readFile(recordFilePath());
    EXPECT_EQ(std::count(record.begin(), record.end(), '\n'), 17);
    const tmy saved = my;
    my = tmy{};
    loadGameData();
    EXPECT_EQ(saveFileBytes(), bytes);
    EXPECT_EQ(my.playerName, saved.playerName);
    EXPECT_EQ(my.rankName, saved.rankName);

    // One written by hand loads with blanks, and saves as it loaded.
    writeFile(dir.dat("my.dat"), withLine(bytes, 5, "n\x01m\x1b"));
    loadGameData();
    EXPECT_EQ(my.playerName, "n m ");
    saveGame();
    EXPECT_EQ(readFile(dir.dat("my.dat")), withLine(bytes, 5, "n m "));
}

TEST_F(SaveFiles, AReadOnlySaveOrRecordFileIsRefusedAndKeptAsItWas)
{
    namespace fs = std::filesystem;
    Boxes boxes;
    saveGame();
    const std::string save = readFile(dir.dat("my.dat"));
    const std::string record = readFile(recordFilePath());
    my.coins = 4321;
    // Root may write anything: the mode bits decide, as the read-only attribute would.
    // Neither file is replaced when either cannot be, and the box names it.
    for (const std::string& path : {dir.dat("my.dat"), recordFilePath()}) {
        fs::permissions(path, fs::perms(0444));
        boxes.texts.clear();
        guarded([] { saveGame(); });
        const std::string named = path == recordFilePath() ? "(記録.txt)"_sj : "(my.dat)";
        EXPECT_EQ(boxes.texts, std::vector<std::string>{"ﾌｧｲﾙ ｱｸｾｽが拒否されました\r"_sj + named});
        EXPECT_EQ(fs::status(path).permissions(), fs::perms(0444)) << path;
        EXPECT_EQ(readFile(dir.dat("my.dat")), save) << path;
        EXPECT_EQ(readFile(recordFilePath()), record) << path;
        fs::permissions(path, fs::perms(0600));
    }
    // A writable file keeps its mode.
    my.tryCount = 12;
    saveGame();
    EXPECT_EQ(fs::status(dir.dat("my.dat")).permissions(), fs::perms(0600));
    EXPECT_EQ(fs::status(recordFilePath()).permissions(), fs::perms(0600));
    EXPECT_NE(readFile(recordFilePath()), record);
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

TEST_F(SaveFiles, TheLineNamedIsTheLineThatHoldsTheDamage)
{
    // A control character where a number should be is no blank to skip.
    for (const std::string& bad : {"\0"s, "\x1a"s, "\v"s, " \x01 "s}) {
        writeFile(dir.dat("my.dat"), withLine(readFile(dir.dat("my.dat")), 300, bad));
        try {
            loadGameData();
            ADD_FAILURE() << "loaded";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.what(), "入力値が数値ではありません\r(my.dat 300行目)"_sj);
        }
        writeFile(dir.dat("my.dat"), withLine(readFile(dir.dat("my.dat")), 300, "0"));
    }
}

// Every data file is read only when it is a regular file of at most 16 MB:
// a device, a pipe or a folder in its place is refused, named, at once.
TEST_F(SaveFiles, OnlyRegularFilesOfAtMost16MBAreRead)
{
    namespace fs = std::filesystem;
    const std::string refused = "ﾌｧｲﾙ ｱｸｾｽが拒否されました"_sj;
    const auto errorFor = [&](const std::string& name, const std::function<void(const std::string&)>& make) {
        const std::string path = dir.dat(name), keep = path + ".kept";
        fs::rename(path, keep);
        make(path);
        const std::string text = errorOf([] { loadGameData(); });
        fs::remove(path);
        fs::rename(keep, path);
        return text;
    };
    const auto zero = [](const std::string& p) { fs::create_symlink("/dev/zero", p); };
    const auto pipe = [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0644), 0); };
    EXPECT_EQ(errorFor("my.dat", zero), refused + "\r(my.dat)");
    EXPECT_EQ(errorFor("my.dat", pipe), refused + "\r(my.dat)");
    EXPECT_EQ(errorFor("my.dat", [](const std::string& p) { fs::create_directory(p); }), refused + "\r(my.dat)");
    EXPECT_EQ(errorFor("item.dat", pipe), refused + "\r(item.dat)");
    EXPECT_EQ(errorFor("map.dat", zero), refused + "\r(map.dat)");
    const std::string big = readFile(dir.dat("map.dat")) + std::string(16 << 20, '\n');
    EXPECT_EQ(errorFor("map.dat", [&](const std::string& p) { writeFile(p, big); }),
              "ﾌｧｲﾙが大きすぎます\r(map.dat)"_sj);
    EXPECT_TRUE(loadFailed());
    // 16 MB itself is read.
    EXPECT_EQ(errorFor("map.dat", [&](const std::string& p) { writeFile(p, big.substr(0, 16 << 20)); }), "no error");
}

TEST_F(SaveFiles, EachSaveKeepsTheThreeBeforeItBesideIt)
{
    namespace fs = std::filesystem;
    const auto saved = [&](int tries) {
        my.tryCount = tries;
        saveGame();
        return readFile(dir.dat("my.dat"));
    };
    // The save shipped with the game is written as the game writes it: it
    // loaded back, so it is the first backup.
    const std::string shipped = readFile(dir.dat("my.dat"));
    const std::string one = saved(1);
    EXPECT_EQ(readFile(dir.dat("my.dat.1")), shipped);
    EXPECT_FALSE(fs::exists(dir.dat("my.dat.2")));
    const std::string two = saved(2), three = saved(3), four = saved(4);
    EXPECT_EQ(readFile(dir.dat("my.dat.1")), three);
    EXPECT_EQ(readFile(dir.dat("my.dat.2")), two);
    EXPECT_EQ(readFile(dir.dat("my.dat.3")), one);
    EXPECT_FALSE(fs::exists(dir.dat("my.dat.4")));
    EXPECT_FALSE(fs::exists(recordFilePath() + ".1"));   // the record file is never read: it has none

    // A my.dat the game did not write (edited by hand while it ran, or
    // loaded in another form) never becomes a backup.
    writeFile(dir.dat("my.dat"), withLine(four, 9, "50"));
    saved(5);
    EXPECT_EQ(readFile(dir.dat("my.dat.1")), three);
    std::string lfOnly = withLine(readFile(dir.dat("my.dat")), 8, "6");
    std::erase(lfOnly, '\r');
    writeFile(dir.dat("my.dat"), lfOnly);
    loadGameData();
    EXPECT_EQ(my.tryCount, 6);
    const std::string seven = saved(7);
    EXPECT_EQ(readFile(dir.dat("my.dat.1")), three);
    saved(8);
    EXPECT_EQ(readFile(dir.dat("my.dat.1")), seven);
    EXPECT_EQ(readFile(dir.dat("my.dat.2")), three);
}

TEST_F(SaveFiles, AFailedSaveKeepsTheOldFileWholeAndIsReported)
{
    Boxes boxes;
    const std::string before = readFile(dir.dat("my.dat"));
    // The temporary file cannot be created: something else already sits there.
    std::filesystem::create_directory(replaceTempPath(dir.dat("my.dat")));
    my.coins = 12345;
    guarded([] { saveGame(); });
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "ﾌｧｲﾙ ｱｸｾｽが拒否されました\r(my.dat)"_sj);
    EXPECT_EQ(readFile(dir.dat("my.dat")), before);
}

TEST(ReplaceFile, ADiskFullWriteLeavesTheOldFileAndNoTemporaryFile)
{
    TempAppDir dir;
    const std::string path = dir.path() + "/save.txt";
    writeFile(path, "old");
    // /dev/full refuses every write with "no space left on device".
    std::filesystem::create_symlink("/dev/full", replaceTempPath(path));
    try {
        replaceFile(path, std::string(100000, 'x'));
        ADD_FAILURE() << "the write succeeded";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.what(), "ﾃﾞｨｽｸがいっぱいです\r(save.txt)"_sj);
    }
    EXPECT_EQ(readFile(path), "old");
    EXPECT_FALSE(std::filesystem::exists(replaceTempPath(path)));
}

// The program's start on a folder damaged first: the box comes once the
// window is on screen, over the title.
TEST(StartUp, ADamagedSaveIsShownOverTheTitleAndNothingIsWrittenOverIt)
{
    std::string damaged;
    TestGame game(VirtualAudio::Manual, [&](const TempAppDir& dir) {
        damaged = withLine(readFile(dir.dat("my.dat")), 300, "x");
        writeFile(dir.dat("my.dat"), damaged);
    });
    TForm1& f = game.form();
    EXPECT_TRUE(game.boxes.empty());   // no box before the window is on screen
    QCoreApplication::processEvents();
    EXPECT_EQ(game.boxes, std::vector<std::string>{"入力値が数値ではありません\r(my.dat 300行目)"_sj});
    EXPECT_TRUE(visible(f.start_box));

    // A new game is refused before it clears anything: it writes neither
    // the save nor the record file.
    game.answers = {true};
    guarded([&f] { f.Image7Click(); });
    EXPECT_EQ(game.boxes.back(), "my.datを読み込めなかったので、セーブを取りやめました"_sj);
    EXPECT_EQ(game.answers.size(), 1u);   // not even asked
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), damaged);
    EXPECT_FALSE(std::filesystem::exists(recordFilePath()));
    EXPECT_TRUE(loadFailed());

    // Once the player has mended the file, continuing goes on from it
    // (a run whose prologue has played: line 380 is its flag).
    writeFile(game.dir.dat("my.dat"), withLine(withLine(damaged, 300, "0"), 380, "1"));
    guarded([&f] { f.y_bClick(); });
    EXPECT_FALSE(loadFailed());
    EXPECT_FALSE(visible(f.start_box));
}

// A damaged save with backups beside it: my.dat.1 damaged too, my.dat.2
// good, saved at a time of its own.
struct DamagedWithBackups {
    std::string damaged, good, offer;
    void operator()(const TempAppDir& dir)
    {
        const std::string shipped = readFile(dir.dat("my.dat"));
        damaged = withLine(shipped, 300, "x");
        good = withLine(withLine(shipped, 8, "7"), 380, "1");   // 7 tries, the prologue played
        writeFile(dir.dat("my.dat"), damaged);
        writeFile(dir.dat("my.dat.1"), shipped.substr(0, 200));
        writeFile(dir.dat("my.dat.2"), good);
        const QDateTime at(QDate(2024, 5, 1), QTime(12, 34));
        const struct timespec times[2] = {{at.toSecsSinceEpoch(), 0}, {at.toSecsSinceEpoch(), 0}};
        ::utimensat(AT_FDCWD, dir.dat("my.dat.2").c_str(), times, 0);
        offer = "入力値が数値ではありません\r(my.dat 300行目)\r\r"_sj +
                "前のセーブに戻る？\r（2024/05/01 12:34のセーブ、トライ回数：7回）"_sj;
    }
};

std::vector<std::string> damagedFiles(const std::string& folder)
{
    std::vector<std::string> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename().string().starts_with("my.dat.damaged-"))
            found.push_back(entry.path().string());
    return found;
}

// The player presses Enter on the box of the start: the damaged save is
// kept aside, the newest backup that loads is in its place, and continuing
// goes on from it.
TEST(GoingBack, EnterOnTheBoxOfTheStartGoesBackToTheLastGoodSave)
{
    DamagedWithBackups files;
    TestGame game(VirtualAudio::Manual, std::ref(files));
    TForm1& f = game.form();
    QString shown;
    QTimer enter;
    QObject::connect(&enter, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        shown = box->text();
        shoot(box, "going_back");
        QTest::keyClick(box, Qt::Key_Return);
    });
    enter.start(0);
    setDialogHook(nullptr);   // the real box
    QCoreApplication::processEvents();
    enter.stop();
    EXPECT_EQ(shown, displayText(files.offer));
    const std::vector<std::string> kept = damagedFiles(game.dir.path() + "/dat");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_TRUE(QRegularExpression("my\\.dat\\.damaged-\\d{8}-\\d{6}$").match(QString::fromStdString(kept[0])).hasMatch());
    EXPECT_EQ(readFile(kept[0]), files.damaged);
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), files.good);
    EXPECT_EQ(readFile(game.dir.dat("my.dat.2")), files.good);   // copied, not moved
    EXPECT_EQ(readFile(game.dir.dat("my.dat.1")).size(), 200u);
    EXPECT_FALSE(loadFailed());
    EXPECT_EQ(my.tryCount, 7);
    EXPECT_TRUE(visible(f.start_box));
    guarded([&f] { f.y_bClick(); });
    EXPECT_FALSE(visible(f.start_box));
}

// Continuing or a GAME OVER that meets a damaged save asks the same; no
// keeps everything as it was, yes goes back.
TEST(GoingBack, ContinueAndGameOverAskTooAndNoWritesNothing)
{
    DamagedWithBackups files;
    TestGame game(VirtualAudio::Manual, std::ref(files));
    TForm1& f = game.form();
    QCoreApplication::processEvents();   // the box of the start, answered no
    EXPECT_EQ(game.boxes, std::vector<std::string>{files.offer});
    game.answers = {false};
    guarded([&f] { f.y_bClick(); });
    EXPECT_EQ(game.boxes, std::vector<std::string>(2, files.offer));
    EXPECT_EQ(guardRecord().abandoned, 0);
    EXPECT_TRUE(visible(f.start_box));
    EXPECT_TRUE(loadFailed());
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), files.damaged);
    EXPECT_TRUE(damagedFiles(game.dir.path() + "/dat").empty());

    game.answers = {true};
    game.clickThrough();
    f.start_box->hide();
    GameOver();
    EXPECT_EQ(game.boxes.back(), files.offer);
    EXPECT_TRUE(visible(f.start_box));
    EXPECT_FALSE(loadFailed());
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), files.good);
    EXPECT_EQ(damagedFiles(game.dir.path() + "/dat").size(), 1u);

    // With no backup that loads, the box of the damage alone.
    writeFile(game.dir.dat("my.dat"), files.damaged);
    std::filesystem::remove(game.dir.dat("my.dat.2"));
    guarded([&f] { f.y_bClick(); });
    EXPECT_EQ(game.boxes.back(), "入力値が数値ではありません\r(my.dat 300行目)"_sj);
    // A table that fails has no backups: its box alone.
    writeFile(game.dir.dat("my.dat"), files.good);
    writeFile(game.dir.dat("my.dat.1"), files.good);
    writeFile(game.dir.dat("map.dat"), "x\r\nx\r\nx\r\n");
    guarded([&f] { f.y_bClick(); });
    EXPECT_EQ(game.boxes.back(), "入力値が数値ではありません\r(map.dat 3行目)"_sj);
}

TEST(StartUp, RemovesWhatASaveKilledMidwayLeftBehind)
{
    std::string save;
    TestGame game(VirtualAudio::Manual, [&](const TempAppDir& dir) {
        save = readFile(dir.dat("my.dat"));
        writeFile(replaceTempPath(dir.dat("my.dat")), save.substr(0, 100));   // a process with our number, gone
        writeFile(replaceTempPath(dir.dat("my.dat"), 999999999), "x");           // a process gone
        writeFile(dir.dat("my.dat.tmp"), "x");                                   // as earlier versions named it
        writeFile(dir.path() + "/記録.txt.tmp", "★");
        writeFile(replaceTempPath(dir.path() + "/記録.txt", getppid()), "★");    // another instance, still saving
    });
    QCoreApplication::processEvents();
    EXPECT_TRUE(game.boxes.empty());
    EXPECT_FALSE(std::filesystem::exists(replaceTempPath(game.dir.dat("my.dat"))));
    EXPECT_FALSE(std::filesystem::exists(replaceTempPath(game.dir.dat("my.dat"), 999999999)));
    EXPECT_FALSE(std::filesystem::exists(game.dir.dat("my.dat.tmp")));
    EXPECT_FALSE(std::filesystem::exists(recordFilePath() + ".tmp"));
    EXPECT_TRUE(std::filesystem::exists(replaceTempPath(recordFilePath(), getppid())));
    EXPECT_EQ(readFile(game.dir.dat("my.dat")), save);
}

TEST(NameEntry, APastedLineBreakNeverReachesTheSave)
{
    TestGame game;
    TForm1& f = game.form();
    f.start_box->hide();
    f.name_box->show();
    QGuiApplication::clipboard()->setText("ab\r\ncd");
    QTest::keyClick(f.name_l, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.name_l->text(), "abcd");
    QInputMethodEvent commit;
    commit.setCommitString("\tef\n");
    QApplication::sendEvent(f.name_l, &commit);
    EXPECT_EQ(f.name_l->text(), "abcdef");
    EXPECT_EQ(f.name_l->cursorPosition(), 6);
    game.clickThrough();
    f.Button5Click();   // きめた
    EXPECT_EQ(my.playerName, "abcdef");
    saveGame();
    const std::string bytes = readFile(game.dir.dat("my.dat"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 667);
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
