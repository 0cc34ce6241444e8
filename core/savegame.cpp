#include "core/savegame.h"

#include <filesystem>

#include "core/backups.h"
#include "core/datafile.h"
#include "core/language.h"
#include "core/paths.h"
#include "core/ranking.h"
#include "core/state.h"
#include "core/text.h"

namespace {

// my.dat, line by line; reading and writing walk the same order. The area
// picks from the area table, so a value outside it is refused on reading.
template <class IO>
void saveFields(IO& io, tmy& m)
{
    io.num(m.reserved1);
    io.num(m.memory);
    io.num(m.soul);
    io.num(m.consciousness);
    io.str(m.playerName);
    io.num(m.soulSword);
    io.num(m.reserved2);
    io.num(m.tryCount);
    io.num(m.distance);
    for (auto& n : m.itemCount)
        io.num(n);
    io.num(m.currentArea, -1, int32_t(areaTable.size()) - 1);
    io.num(m.maxSoul);
    for (auto& n : m.areaClears)
        io.num(n);
    for (auto& n : m.eventFlag)
        io.num(n);
    io.num(m.coins);
    io.num(m.deathEnergy);
    io.num(m.score);
    io.num(m.soulArmor);
    io.num(m.karma);
    for (int k = 1; k <= 10; ++k)
        io.num(m.rankScore[k]);
    for (int k = 1; k <= 10; ++k)
        io.str(m.rankName[k]);
    for (int k = 1; k <= 10; ++k)
        io.num(m.rankEnergy[k]);
    io.num(m.energySpent);
    io.num(m.difficulty);
    io.num(m.crestUnderworld);
    io.num(m.crestSoul);
    io.num(m.crestRedSword);
    io.num(m.crestAdmins);
    io.num(m.statusFaith);
    io.num(m.statusGrudge);
    io.num(m.statusPoison);
    io.num(m.statusHeal);
}

struct Load {
    DataReader in;
    void num(int32_t& v, int32_t low = INT32_MIN, int32_t high = INT32_MAX) { v = in.readInt(low, high); }
    void str(std::string& s) { s = in.readString(); }
};

struct Save {
    DataWriter out;
    void num(int32_t& v, int32_t = 0, int32_t = 0) { out.writeInt(v); }
    void str(std::string& s) { out.writeString(s); }
};

// Gives the state's strings the form the file gives them (one line, control
// characters as blanks), so that what is saved loads back as it was.
struct OneLine {
    void num(int32_t&, int32_t = 0, int32_t = 0) {}
    void str(std::string& s) { s = blankControls(s); }
};

bool failed = false;
// The bytes of my.dat as this program last read it, in the game's own
// form, or wrote it: the save that may become a backup.
std::string lastSaved;
// The tables as the files hold them; the game sees them in its language.
std::array<titem, 256> itemsRead;
std::array<tmap, 99> areasRead;

} // namespace

std::string saveFileToRead()
{
    // Where the player's folder could not take a save, the initial one is read.
    std::error_code ec;
    return std::filesystem::exists(saveFilePath(), ec) ? saveFilePath() : datPath("my.dat");
}

namespace {
tmy parseSave(const std::string& bytes, const std::string& path)
{
    tmy state;
    Load save{DataReader(bytes, fileName(path), PastEnd::Error)};
    saveFields(save, state);
    return state;
}
} // namespace

tmy readSaveFile(const std::string& path) { return parseSave(readDataFile(path), path); }

void loadGameData()
{
    failed = true;   // until all three files are read
    const std::string path = saveFileToRead();
    const std::string bytes = readDataFile(path);
    tmy state = parseSave(bytes, path);

    std::array<titem, 256> items;
    DataReader itemFile = DataReader::open(datPath("item.dat"));
    for (auto& item : items) {
        item.name = itemFile.readString();
        item.description = itemFile.readString();
        item.kind = itemFile.readInt();
        item.value = itemFile.readInt();
    }

    std::array<tmap, 99> areas;
    DataReader areaFile = DataReader::open(datPath("map.dat"));
    for (auto& area : areas) {
        area.name = areaFile.readString();
        area.mapText = areaFile.readString();
        area.entryCost = areaFile.readInt();
        area.length = areaFile.readInt();
    }

    my = std::move(state);
    itemsRead = std::move(items);
    areasRead = std::move(areas);
    translateTables();
    failed = false;
    lastSaved = path == saveFilePath() && saveFileBytes() == bytes ? bytes : std::string();
}

void translateTables()
{
    for (size_t i = 0; i < itemTable.size(); ++i)
        itemTable[i] = {tableText(itemsRead[i].name), tableText(itemsRead[i].description), itemsRead[i].kind,
                        itemsRead[i].value};
    for (size_t i = 0; i < areaTable.size(); ++i)
        areaTable[i] = {tableText(areasRead[i].name), tableText(areasRead[i].mapText), areasRead[i].entryCost,
                        areasRead[i].length};
}

bool loadFailed() { return failed; }

std::string saveFileBytes()
{
    Save save;
    saveFields(save, my);
    return save.out.bytes();
}

void refuseIfUnread()
{
    if (failed)
        throw EInOutError("my.datを読み込めなかったので、セーブを取りやめました"_sj);
}

void saveGame()
{
    refuseIfUnread();
    OneLine oneLine;
    saveFields(oneLine, my);
    enterRanking();
    // Both files are written beside themselves first: when either cannot
    // be, neither is replaced.
    const std::string bytes = saveFileBytes();
    PendingFile save(saveFilePath(), bytes);
    PendingFile record(recordFilePath(), recordFileBytes());
    keepBackups(lastSaved);
    save.commit();
    lastSaved = bytes;
    record.commit();
}

void discardUnfinishedSaves()
{
    discardUnfinishedReplace(saveFilePath());
    for (int k = 1; k <= backupCount; ++k)
        discardUnfinishedReplace(backupPath(k));
    discardUnfinishedReplace(recordFilePath());
}

void resetRun()
{
    my.itemCount.fill(0);
    for (int i = 0; i <= 254; ++i)
        my.eventFlag[i] = 0;
    my.areaClears.fill(0);
    my.coins = 0;
    my.memory = 0;
    my.consciousness = 0;
    my.soul = 10;
    my.soulSword = 0;
    my.soulArmor = 0;
    my.maxSoul = 10;
    my.distance = 0;
    my.playerName.clear();
    my.currentArea = 0;
    my.karma = 0;
    my.energySpent = 0;
    my.statusFaith = 0;
    my.statusGrudge = 0;
    my.statusPoison = 0;
    my.statusHeal = 0;
}
