#include "core/savegame.h"

#include "core/datafile.h"
#include "core/paths.h"
#include "core/ranking.h"
#include "core/state.h"
#include "ui/dialogs.h"

namespace {

// my.dat, line by line; reading and writing walk the same order.
template <class IO>
void saveFields(IO& io)
{
    io.num(my.reserved1);
    io.num(my.memory);
    io.num(my.soul);
    io.num(my.consciousness);
    io.str(my.playerName);
    io.num(my.soulSword);
    io.num(my.reserved2);
    io.num(my.tryCount);
    io.num(my.distance);
    for (auto& n : my.itemCount)
        io.num(n);
    io.num(my.currentArea);
    io.num(my.maxSoul);
    for (auto& n : my.areaClears)
        io.num(n);
    for (auto& n : my.eventFlag)
        io.num(n);
    io.num(my.coins);
    io.num(my.deathEnergy);
    io.num(my.score);
    io.num(my.soulArmor);
    io.num(my.karma);
    for (int k = 1; k <= 10; ++k)
        io.num(my.rankScore[k]);
    for (int k = 1; k <= 10; ++k)
        io.str(my.rankName[k]);
    for (int k = 1; k <= 10; ++k)
        io.num(my.rankEnergy[k]);
    io.num(my.energySpent);
    io.num(my.difficulty);
    io.num(my.crestUnderworld);
    io.num(my.crestSoul);
    io.num(my.crestRedSword);
    io.num(my.crestAdmins);
    io.num(my.statusFaith);
    io.num(my.statusGrudge);
    io.num(my.statusPoison);
    io.num(my.statusHeal);
}

struct Load {
    DataReader in;
    void num(int32_t& v) { v = in.readInt(); }
    void str(std::string& s) { s = in.readString(); }
};

struct Save {
    DataWriter out;
    void num(int32_t& v) { out.writeInt(v); }
    void str(std::string& s) { out.writeString(s); }
};

} // namespace

void loadGameData()
{
    Load save{DataReader::open(datPath("my.dat"))};
    saveFields(save);

    DataReader items = DataReader::open(datPath("item.dat"));
    for (auto& item : itemTable) {
        item.name = items.readString();
        item.description = items.readString();
        item.kind = items.readInt();
        item.value = items.readInt();
    }

    DataReader areas = DataReader::open(datPath("map.dat"));
    for (auto& area : areaTable) {
        area.name = areas.readString();
        area.mapText = areas.readString();
        area.entryCost = areas.readInt();
        area.length = areas.readInt();
    }
}

void saveGame()
{
    enterRanking();
    Save save;
    saveFields(save);
    replaceFile(datPath("my.dat"), save.out.bytes());
    writeRecordFile();
}

bool saveGameOrReport()
{
    try {
        saveGame();
        return true;
    } catch (const EInOutError& e) {
        showMessage(e.what());
        return false;
    }
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
