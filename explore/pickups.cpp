// Things that appear on the field and answer a click.
#include "ui/form1.h"

void TForm1::coin_cgMouseDown() {}
void TForm1::koku_cgMouseDown() {}
void TForm1::doku_cgMouseDown() {}
void TForm1::toki_cgMouseDown() {}
