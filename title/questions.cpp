// Name entry and the yes/no questions.
#include "ui/form1.h"

void TForm1::Button5Click() {}
void TForm1::BitBtn1Click() {}
void TForm1::BitBtn2Click() {}
