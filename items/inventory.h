// The inventory list: a view of itemCount, rebuilt whenever the counts change.
#pragma once

// Lists the names of the items held, in id order, with nothing selected.
void rebuildItemList();
