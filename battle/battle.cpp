// The battle button: a fight, a turn of blows, or a search.
#include "ui/form1.h"

void TForm1::battle_bClick() {}
