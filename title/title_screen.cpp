// The title screen: its periodic refresh, continuing and new runs.
#include "ui/form1.h"
#include "ui/status.h"

void TForm1::Timer1Timer()
{
    refreshStatus();
}
void TForm1::y_bClick() {}
void TForm1::Button4Click() {}
void TForm1::Label3MouseDown() {}
void TForm1::Image7Click() {}
void TForm1::Image8Click() {}
void TForm1::Image9Click() {}
void TForm1::ex_bClick() {}
