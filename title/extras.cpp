// The extras panel: music room and item encyclopedia.
#include "ui/form1.h"

void TForm1::am_bMouseDown() {}
void TForm1::music_listMouseDown() {}
void TForm1::Label13MouseDown() {}
void TForm1::zukan_vChange() {}
