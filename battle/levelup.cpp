// The level-up choice.
#include "ui/form1.h"

void TForm1::BitBtn6Click() {}
void TForm1::BitBtn7Click() {}
void TForm1::BitBtn8Click() {}
void TForm1::BitBtn9Click() {}
void TForm1::BitBtn10Click() {}
