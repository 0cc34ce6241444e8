// The game's content as built beside the program: every name the code asks
// for exists, every picture is a 24-bit bitmap of its size, every sound
// loads through the mixer, and the tables hold what the game relies on.
#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "core/savegame.h"
#include "core/state.h"
#include "core/text.h"
#include "mixer/sound_mixer.h"
#include "tests/support/game.h"

namespace fs = std::filesystem;

namespace {

const fs::path source = MIRUHE_SOURCE_DIR;
const fs::path build = MIRUHE_BUILD_DIR;

// Every "name.bmp", "name.wav" and "name.mid" written in the game's code.
std::set<std::string> namesInCode(const std::string& extension)
{
    std::set<std::string> names;
    const std::regex literal("\"([A-Za-z0-9_]+\\." + extension + ")\"");
    for (const char* folder : {"core", "ui", "title", "explore", "story", "battle", "items"}) {
        if (!fs::exists(source / folder))
            continue;
        for (const auto& file : fs::directory_iterator(source / folder)) {
            std::ifstream in(file.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string s = text.str();
            for (std::sregex_iterator m(s.begin(), s.end(), literal), end; m != end; ++m)
                names.insert((*m)[1]);
        }
    }
    return names;
}

// The pictures the game shows by name, the generated ones included
// (bak1 to bak3, stage1 to stage5, the death and jewel sequences...).
const char* const pictures[] = {
    "black", "white", "bak1", "bak2", "bak3", "stage1", "stage2", "stage3", "stage4", "stage5", "dead",
    "dead2", "dead3", "dead4", "dead5", "e_dead", "e_dead0", "e_dead2", "e_dead3", "e_dead4", "juel0",
    "juel1", "juel2", "juel3", "tree", "tree2", "tree3", "tree4", "trager", "trager2", "mono", "ana",
    "tama", "ibara", "koku", "pan", "ban", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12",
    "jiyu", "mara", "week", "akuma", "tenshi", "usakuma", "tou", "majo", "nagu", "robogirl", "zetu",
    "kuguwa", "exce", "muzoku", "ankoku", "sinsei"};

TEST(Assets, EveryNameTheCodeAsksForIsBuilt)
{
    const auto bmp = namesInCode("bmp"), wav = namesInCode("wav"), mid = namesInCode("mid");
    EXPECT_FALSE(wav.empty());
    for (const auto& n : bmp)
        EXPECT_TRUE(fs::exists(build / "cg" / n)) << n;
    for (const auto& n : wav)
        EXPECT_TRUE(fs::exists(build / "dat" / n)) << n;
    for (const auto& n : mid)
        EXPECT_TRUE(fs::exists(build / "dat" / n)) << n;
    for (const char* n : pictures)
        EXPECT_TRUE(fs::exists(build / "cg" / (std::string(n) + ".bmp"))) << n;
}

TEST(Assets, EveryPictureIsA24BitBitmapOfTheSceneSize)
{
    int count = 0;
    for (const auto& file : fs::recursive_directory_iterator(build / "cg")) {   // other languages' own in cg/<language>/
        if (file.is_directory())
            continue;
        std::ifstream in(file.path(), std::ios::binary);
        char header[30] = {};
        in.read(header, sizeof header);
        const auto u16 = [&](int at) { return int(uint8_t(header[at])) | int(uint8_t(header[at + 1])) << 8; };
        const auto u32 = [&](int at) { return u16(at) | u16(at + 2) << 16; };
        const std::string name = file.path().filename().string();
        EXPECT_EQ(std::string(header, 2), "BM") << name;
        EXPECT_EQ(u16(28), 24) << name;
        EXPECT_EQ(u32(18), 300) << name;
        EXPECT_EQ(u32(22), 400) << name;
        EXPECT_FALSE(QImage(QString::fromStdString(file.path().string())).isNull()) << name;
        ++count;
    }
    EXPECT_GE(count, int(std::size(pictures)));
}

TEST(Assets, EverySoundLoadsThroughTheMixer)
{
    TestGame game;
    int count = 0;
    for (const auto& file : fs::directory_iterator(game.dir.path() + "/dat")) {
        if (file.path().extension() != ".wav")
            continue;
        MixWave* wave = nullptr;
        EXPECT_NO_THROW(wave = game.form().SoundMixer1->OpenWave(file.path().string())) << file.path();
        if (wave) {
            EXPECT_GT(wave->data.size(), 50u) << file.path();
            game.form().SoundMixer1->FreeWave(wave);
        }
        ++count;
    }
    EXPECT_GE(count, 40);
}

TEST(Assets, TheTablesHoldWhatTheGameReliesOn)
{
    TempAppDir dir;
    my = tmy{};
    loadGameData();
    // Items named by the scenes, the searches, the gates and the shops.
    for (int id : {0, 1, 2, 3, 4, 5, 7, 10, 12, 14, 18, 19, 20, 21, 25, 33, 36, 37, 39, 47, 72, 95, 103, 104, 105,
                   109, 110, 111, 112, 113})
        EXPECT_FALSE(itemTable[id].name.empty()) << id;
    EXPECT_EQ(itemTable[103].name, "石っころ"_sj);
    EXPECT_EQ(itemTable[105].name, "封印金貨"_sj);
    // Never drawn at random.
    EXPECT_TRUE(itemTable[254].name.empty());
    EXPECT_TRUE(itemTable[255].name.empty());
    // Every kind of item use is represented.
    std::set<int> kinds;
    for (const titem& item : itemTable)
        if (!item.name.empty())
            kinds.insert(item.kind);
    for (int kind = 0; kind <= 36; ++kind)
        EXPECT_TRUE(kinds.count(kind)) << "kind " << kind;
    // Names are unique: the inventory finds items by name.
    std::set<std::string> names;
    for (const titem& item : itemTable) {
        if (!item.name.empty()) {
            EXPECT_TRUE(names.insert(item.name).second) << toUtf8(item.name);
        }
    }
    // The areas of the world map are named as their buttons.
    const std::pair<int, const char*> buttons[] = {{1, "試練城"},         {2, "エメラルダ門"},   {3, "シキハキ街"},
                                                   {4, "紫原っぱ"},       {5, "塔"},             {6, "魔王城の蜃気楼"},
                                                   {7, "天界天秤の門柱"}, {8, "うさくまちゃん"}, {9, "管理者達の間"},
                                                   {12, "小屋"},          {13, "洞穴"}};
    for (const auto& [area, caption] : buttons)
        EXPECT_EQ(areaTable[area].name, toCp932(caption).value()) << area;
    for (int area = 0; area <= 13; ++area) {
        EXPECT_FALSE(areaTable[area].name.empty()) << area;
        EXPECT_GT(areaTable[area].length, 0) << area;
        EXPECT_GE(areaTable[area].entryCost, 0) << area;
    }
    // The shipped save starts a NOMAL run in area 0 whose prologue has not played.
    EXPECT_EQ(my.difficulty, 1);
    EXPECT_EQ(my.currentArea, 0);
    EXPECT_EQ(my.deathEnergy, 100);
    EXPECT_EQ(my.eventFlag[13], 0);
    EXPECT_EQ(my.tryCount, 0);
    EXPECT_EQ(my.rankScore[1], 10000);
    EXPECT_EQ(my.rankName[1], "クロイツ"_sj);
    EXPECT_EQ(my.rankName[10], "？"_sj);
    EXPECT_EQ(my.rankEnergy[10], 452);
}

} // namespace
