// The inventory list and using items.
#include "items/inventory.h"

#include "core/state.h"
#include "ui/form1.h"

void rebuildItemList()
{
    TListBox* list = Form1->item_list;
    list->clear();
    list->setCurrentRow(-1);
    selectedItem = -1;
    for (int id = 0; id < 256; ++id)
        if (my.itemCount[id] >= 1)
            list->addItem(itemTable[id].name);
}

void TForm1::item_bClick() {}
void TForm1::item_listMouseDown() {}
