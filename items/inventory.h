// The inventory list: a view of itemCount, rebuilt whenever the counts change.
#pragma once

// Lists the names of the items held, in id order, with nothing selected.
void rebuildItemList();
// Takes one of the selected item away. The last one leaves its row blank
// in place (until the next rebuild) and nothing selected.
void takeSelectedItem();
