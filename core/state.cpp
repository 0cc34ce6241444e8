#include "core/state.h"

#include <algorithm>

#include "core/rng.h"
#include "core/text.h"

tmy my;
std::array<titem, 256> itemTable;
std::array<tmap, 99> areaTable;

int32_t clickWait;
int32_t selectedItem;
int32_t enemyHp, enemyMaxHp, enemyItem, enemyAlignment, enemySpecial;
int32_t inBattle, guardianBattle, soulSwordReleased;
int32_t foundTree, foundOrb, foundCorpse, foundSealedCorpse, foundObject, foundJewel, foundHole;
int32_t sealMarkState, emptySearchCount, bakIndex;
int32_t pendingQuestion, offerItem, offerCoins;
int32_t shopSelected, shopMode;
int32_t encounterTick, pulseTick, titleFrame;
std::string portraitFile;

int randomNamedItem()
{
    // Edited data without a single named item must not hang the draw.
    if (std::none_of(itemTable.begin(), itemTable.begin() + 254, [](const titem& t) { return !t.name.empty(); }))
        return 0;
    int i;
    do
        i = R(254);
    while (itemTable[i].name.empty());
    return i;
}

void resetMoment()
{
    selectedItem = 0;
    enemyHp = enemyMaxHp = enemyItem = enemyAlignment = enemySpecial = 0;
    inBattle = guardianBattle = soulSwordReleased = 0;
    foundTree = foundOrb = foundCorpse = foundSealedCorpse = foundObject = foundJewel = foundHole = 0;
    sealMarkState = emptySearchCount = bakIndex = 0;
    pendingQuestion = offerItem = offerCoins = 0;
    shopSelected = shopMode = 0;
    portraitFile.clear();
}

void resetWorkingGlobals()
{
    resetMoment();
    clickWait = 0;
    encounterTick = pulseTick = titleFrame = 0;
}

void outOfRange(int index) { throw ERangeError(fill("番号 %1 のデータはありません"_sj, {num(index)})); }

std::string soulName() { return my.playerName.empty() ? "あなた"_sj : my.playerName; }
