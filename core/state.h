// The game state: one saved record, two tables read from data files, and
// the working globals of the moment of play. All numbers are signed 32-bit;
// strings are CP932 bytes.
#pragma once
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

struct tmy {
    std::string playerName;
    int32_t statusFaith = 0;      // 【信】
    int32_t statusGrudge = 0;     // 【怨】
    int32_t statusPoison = 0;     // 【毒】
    int32_t statusHeal = 0;       // 【癒】
    int32_t crestUnderworld = 0;  // 【冥土の紋】 cleared at EASY
    int32_t crestSoul = 0;        // 【魂の紋】 cleared at NOMAL
    int32_t crestRedSword = 0;    // 【赤き剣の紋】 cleared at HARD
    int32_t crestAdmins = 0;      // 【管理者達の紋】 cleared at EXTREAM
    int32_t difficulty = 0;       // 0 EASY, 1 NOMAL, 2 HARD, 3 EXTREAM
    int32_t energySpent = 0;
    int32_t karma = 0;
    int32_t soulArmor = 0;
    int32_t score = 0;
    int32_t deathEnergy = 0;
    int32_t coins = 0;
    int32_t currentArea = 0;      // -1 while the world map is shown
    int32_t distance = 0;
    int32_t tryCount = 0;
    int32_t reserved2 = 0;
    int32_t memory = 0;
    int32_t reserved1 = 0;
    int32_t soulSword = 0;
    int32_t consciousness = 0;
    int32_t maxSoul = 0;
    int32_t soul = 0;
    std::array<int32_t, 11> rankScore{};      // places 1..10
    std::array<int32_t, 11> rankEnergy{};
    std::array<std::string, 11> rankName{};
    std::array<int32_t, 256> itemCount{};
    std::array<int32_t, 99> areaClears{};
    std::array<int32_t, 256> eventFlag{};
};

struct titem {
    std::string name;         // empty: no item has this id
    std::string description;
    int32_t kind = 0;
    int32_t value = 0;
};

struct tmap {
    std::string name;
    std::string mapText;
    int32_t entryCost = 0;
    int32_t length = 0;
};

extern tmy my;
extern std::array<titem, 256> itemTable;
extern std::array<tmap, 99> areaTable;

// A random named item: R(254) drawn again until the item has a name (so
// ids 254 and 255 are never drawn).
int randomNamedItem();

// Working globals: never saved, all 0 (strings empty) at program start.
extern int32_t clickWait;       // 0 a click is awaited, 1 clicked, -1 closing
extern int32_t selectedItem;
extern int32_t enemyHp, enemyMaxHp, enemyItem, enemyAlignment, enemySpecial;
extern int32_t inBattle, guardianBattle, soulSwordReleased;
extern int32_t foundTree, foundOrb, foundCorpse, foundSealedCorpse, foundObject, foundJewel, foundHole;
extern int32_t sealMarkState, emptySearchCount, bakIndex;
extern int32_t pendingQuestion, offerItem, offerCoins;
extern int32_t shopSelected, shopMode;
extern int32_t encounterTick, pulseTick, titleFrame;
extern std::string portraitFile;

// The working globals of the moment of play back to their start values (0,
// strings empty): no enemy, nothing at the soul's feet, no question, no
// shop. The program's own counters (the click flag, the encounter, pulse
// and title ticks) run on.
void resetMoment();
// Every working global as at program start: the moment and the counters.
void resetWorkingGlobals();

// The soul as the lines call it: its name, or "あなた" before it has one.
std::string soulName();

// A number the game worked out, used to pick from a table or a saved array.
// Out of range (damaged data, or a fault) it abandons the handler with a
// message instead of reading past the end.
class ERangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
[[noreturn]] void outOfRange(int index);
template <class Table>
auto& at(Table& table, int index)
{
    if (index < 0 || index >= int(table.size()))
        outOfRange(index);
    return table[size_t(index)];
}
