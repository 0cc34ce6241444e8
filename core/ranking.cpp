// The top-ten ranking and the record file.
#include "ui/form1.h"

void TForm1::Button7Click() {}
