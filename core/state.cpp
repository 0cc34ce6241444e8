#include "core/state.h"

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
