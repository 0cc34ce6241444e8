// The inventory list and using items.
#include "ui/form1.h"

void TForm1::item_bClick() {}
void TForm1::item_listMouseDown() {}
