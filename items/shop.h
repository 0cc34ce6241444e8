// The shop.
#pragma once

// Opens the shop with `count` random offers, for gold (mode 0) or for
// sealed coins (mode 1).
void openShop(int mode, int count);
// What the shop pays for one of the item: value / 10 + 1, at least 1.
int salePrice(int id);
