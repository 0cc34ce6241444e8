// Walking the road, one kilometre per step.
#include "ui/form1.h"

void TForm1::walk_bMouseDown() {}
void TForm1::kutu_bMouseDown() {}
