// The scenes of the recurring characters, one function per character and
// place. Each sets up the character, says its lines and ends the scene.
#pragma once
#include "story/scene_kit.h"

// The people of the judgement gate (area 0), met again in the purple field
// (area 4) and beyond the gate (area 10).
void megumiAtTheGate();
void megumiInTheField();
void megumiBeyond();
void nagukuAtTheGate();
void nagukuInTheField();
void nagukuBeyond();
void gaigaruAtTheGate();
void gaigaruInTheField();
void gaigaruBeyond();
void hirokoAtTheGate();
void hirokoBeyond();
void pedoAtTheGate();
void pedoBeyond();
void totoAtTheGate();
void totoBeyond();

// The witch: at the gate, in the town (3), in the field, beyond the gate, at
// her hut (12).
void witchAtTheGate();
void witchInTown();
void witchInTheField();
void witchBeyond();
void witchAtHome();

// Swords: the swordmaster (areas 0, 3, 10) and the castle's trainee (1).
void redSwordAtTheGate();
void redSwordInTown();
void redSwordBeyond();
void jiyuInTheCastle();

// The emerald gate (2): 夜子, met again in the town and the tower (5), and
// エイダ.
void yokoAtTheEmeraldGate();
void yokoInTown();
void yokoInTheTower();
void adaAtTheEmeraldGate();

// エグゼ in the administrators' hall (9), beyond the gate, in the depths (11).
void exeInTheHall();
void exeBeyondSilent();
void exeBeyond();
void exeInTheDepths();

// The wanderers, met in many places: ヒトダマ and 霊人 (their lines belong
// to the place), the クグワ, the merchant, and the spirits of areas 6, 7
// and 11.
void wisp(int64_t strength, int item, const Lines& lines);
void swordGhost(int64_t strength, int item, const Lines& lines);
enum class Grudge { loneliness, envy, despair, evil, holy, nothing, falseCharge, friendship, bloodRain, flash, stardust };
void grudge(Grudge g, int64_t strength, int item, int alignment);
// Offers a random item at a price and puts question 5.
void merchant();
// The spirit attacks with its special blow (0 for none).
void areaSpirit(const Cast& who, int64_t strength, int special, int alignment, const char* line);
// The クグワ of pressure, who asks a toll (question 10). No draw reaches it.
void pressureToll();
