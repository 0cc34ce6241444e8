// The shop.
#include "ui/form1.h"

void TForm1::sell_bClick() {}
void TForm1::store_listMouseDown() {}
void TForm1::Button2Click() {}
void TForm1::Button6Click() {}
