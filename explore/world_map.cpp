// The world map: destinations, gates, saves and the energy purchase.
#include "ui/form1.h"

void TForm1::map_cgMouseMove() {}
void TForm1::map_b0Click() {}
void TForm1::map_b0MouseMove() {}
void TForm1::map_b1Click() {}
void TForm1::map_b1MouseMove() {}
void TForm1::map_b2Click() {}
void TForm1::map_b2MouseMove() {}
void TForm1::shop_bClick() {}
void TForm1::shop_bMouseMove() {}
void TForm1::map_b4Click() {}
void TForm1::map_b4MouseMove() {}
void TForm1::map_b5Click() {}
void TForm1::map_b5MouseMove() {}
void TForm1::map_b6Click() {}
void TForm1::map_b6MouseMove() {}
void TForm1::map_b7Click() {}
void TForm1::map_b7MouseMove() {}
void TForm1::map_b8Click() {}
void TForm1::map_b8MouseMove() {}
void TForm1::map_b9Click() {}
void TForm1::map_b9MouseMove() {}
void TForm1::map_b12Click() {}
void TForm1::map_b12MouseMove() {}
void TForm1::map_b13Click() {}
void TForm1::map_b13MouseMove() {}
void TForm1::Button8Click() {}
void TForm1::Button8MouseMove() {}
void TForm1::Button9Click() {}
void TForm1::Button10Click() {}
void TForm1::Button10MouseMove() {}
