// The hidden full reset: forget the crests and the runs begun. The change
// reaches my.dat at the next save.
#include "core/state.h"
#include "ui/form1.h"

void TForm1::BitBtn3Click()
{
    my.crestUnderworld = 0;
    my.crestSoul = 0;
    my.crestRedSword = 0;
    my.crestAdmins = 0;
    my.tryCount = 0;
}
