#include "ui/play_buttons.h"

#include "ui/form1.h"

void showPlayButtons()
{
    Form1->walk_b->show();
    Form1->battle_b->show();
    Form1->item_list->setEnabled(true);
}

void hidePlayButtons()
{
    Form1->walk_b->hide();
    Form1->battle_b->hide();
    Form1->battle_b2->hide();   // its blinking face answers like the button itself
    Form1->kutu_b->hide();
    Form1->item_b->hide();
    Form1->item_list->setEnabled(false);
}
